# Sourced by wine-run.sh and wine-session.sh with $prefix set: the Wine
# settings of the Windows tests and the preparation of their prefix.

# Wine takes only an absolute prefix.
prefix=$(realpath -m "$prefix")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Where 32-bit programs run through qemu-user (scripts/setup.sh), a guest
# address space just above 2 GB keeps Wine's start-up fast.
export QEMU_RESERVED_VA=0x81000000
wine64=/usr/lib/wine/wine64
wine32=/usr/lib/wine/wine
wineserver=/usr/lib/wine/wineserver

# Runs a command with none of the caller's streams, and without the lock's
# descriptor, which Wine's server and services would otherwise hold for as
# long as they run.
quiet() { "$@" </dev/null >/dev/null 2>&1 9>&-; }

# Makes the prefix once (headless: the null graphics driver). Call it with
# the lock $prefix.lock held on descriptor 9.
prepare_prefix() {
  [ -f "$prefix/.zl-ready" ] && return 0
  rm -rf "$prefix"
  quiet "$wine64" wineboot -i
  quiet "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  quiet "$wineserver" -w
  touch "$prefix/.zl-ready"
}
