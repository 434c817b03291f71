#!/usr/bin/env bash
# Runs a Windows program under Wine, headless (null graphics driver), in a
# prefix owned by the build tree.  Usage: wine-run.sh PREFIX 64|32 PROGRAM ARGS...
set -u
prefix=$1 arch=$2
shift 2

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Where 32-bit programs run through qemu-user (scripts/setup.sh), a guest
# address space just above 2 GB keeps Wine's start-up fast.
export QEMU_RESERVED_VA=0x81000000
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
case $arch in
  64) loader=$wine64 ;;
  32) loader=/usr/lib/wine/wine
      # Under qemu-user a 32-bit Wine process cannot start a second thread.
      if grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
        export ZL_NO_THREADS=1
      fi ;;
  *) echo "wine-run: unknown architecture $arch" >&2; exit 2 ;;
esac

# Also closes the lock's descriptor, which the server and services would
# otherwise hold for as long as they run.
quiet() { "$@" </dev/null >/dev/null 2>&1 9>&-; }

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.zl-ready" ]; then
    rm -rf "$prefix"
    quiet "$wine64" wineboot -i
    quiet "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
    quiet "$wineserver" -w
    touch "$prefix/.zl-ready"
  fi
  # The server and Wine's services would inherit the test's streams and keep
  # CTest waiting for them: start them here, detached, and keep them a while.
  quiet "$wineserver" -p30
  quiet "$wine64" cmd /c exit
) 9>"$prefix.lock"

exec "$loader" "$@"
