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

# Runs a command with none of the caller's streams, and without the locks'
# descriptors, which Wine's server and services would otherwise hold for as
# long as they run.
quiet() { "$@" </dev/null >/dev/null 2>&1 8>&- 9>&-; }

# Whether this machine runs 32-bit programs through qemu-user: it cannot
# start a second thread there, nor be debugged.
runs_i386_through_qemu() { grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; }

# What a prepared prefix is prepared for; a prefix that says otherwise (one
# left by an earlier version of this file, or by another machine) gets the
# settings again.
prefix_settings() {
  local settings="headless, crashes end at once"
  runs_i386_through_qemu && settings+=", no 32-bit debugger"
  echo "$settings"
}

# Makes the prefix (once) and gives it the settings of the tests:
# - the null graphics driver: windows without a display;
# - a crash ends the program at once: Wine's debugger prints the backtrace
#   to the program's standard error and shows no crash dialog (nobody would
#   close it under the null driver, and the program would wait for it);
# - where 32-bit programs run through qemu-user, Wine's debugger cannot
#   attach to them (it hangs, or the program ends with exit code 0): a
#   32-bit program's crash ends it with the exception's code and Wine's
#   one-line report, and no debugger starts.
# Call it with the lock $prefix.lock held on descriptor 9.
prepare_prefix() {
  local stamp=$prefix/.zl-ready settings
  settings=$(prefix_settings)
  [ "$(cat "$stamp" 2>/dev/null)" = "$settings" ] && return 0
  if [ ! -f "$stamp" ]; then
    rm -rf "$prefix"
    quiet "$wine64" wineboot -i
  fi
  quiet "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  quiet "$wine64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  local debugger32='winedbg --auto %ld %ld'
  runs_i386_through_qemu && debugger32='none'
  quiet "$wine64" reg add 'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d "$debugger32" /f
  quiet "$wineserver" -w
  echo "$settings" >"$stamp"
}
