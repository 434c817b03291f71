#!/usr/bin/env bash
# Installs what the build needs when it is missing and fetches the libpng
# source for the Windows and fuzz targets. A second run only checks and
# returns.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
deps="$repo/.deps"

native_packages=(g++ cmake ninja-build googletest libgtest-dev libbenchmark-dev
  libpng-dev zlib1g-dev libsndfile1-dev pkg-config clang-14 libclang-rt-14-dev
  espeak-ng sox dpkg-dev fonts-liberation)
cross_packages=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  libz-mingw-w64-dev wine wine64 wine32:i386)

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

install_packages() {
  local missing
  missing=$(missing_packages "${native_packages[@]}" "${cross_packages[@]}")
  [ -z "$missing" ] && return 0
  echo "setup: installing $(echo $missing | tr '\n' ' ')"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends $missing
}

# Debian's libpng1.6 source package, fetched through a private source list so
# the system's apt configuration stays untouched.
fetch_libpng_source() {
  [ -f "$deps/libpng/png.c" ] && return 0
  local work="$deps/apt-src"
  rm -rf "$work" && mkdir -p "$work/lists/partial"
  local mirror
  mirror=$(grep -hoE 'https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null \
    | head -n 1 | tr -d ' ' || true)
  mirror=${mirror:-http://deb.debian.org/debian}
  echo "deb-src $mirror bookworm main" >"$work/sources.list"
  local opts=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=-
    -o Dir::State::Lists="$work/lists" -o Debug::NoLocking=1)
  apt-get "${opts[@]}" update -q >/dev/null
  (cd "$work" && apt-get "${opts[@]}" source -q libpng1.6 >/dev/null)
  local unpacked
  unpacked=$(find "$work" -maxdepth 1 -type d -name 'libpng1.6-*' | head -n 1)
  [ -n "$unpacked" ] && [ -f "$unpacked/png.c" ] || { echo "setup: libpng source not found" >&2; exit 1; }
  rm -rf "$deps/libpng"
  mv "$unpacked" "$deps/libpng"
  rm -rf "$work"
}

# Some kernels run no 32-bit ELF program (Wine's 32-bit loader among them):
# there the 32-bit Windows tests run through qemu-user, registered as the
# interpreter of i386 programs.
enable_32bit_programs() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 && return 0
  if [ -z "$(missing_packages qemu-user-static)" ]; then :; else
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends qemu-user-static
  fi
  local binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      | as_root tee "$binfmt/register" >/dev/null
  fi
  echo 1 | as_root tee "$binfmt/qemu-i386" >/dev/null
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 || { echo "setup: cannot run 32-bit programs" >&2; exit 1; }
}

install_packages
enable_32bit_programs
fetch_libpng_source
