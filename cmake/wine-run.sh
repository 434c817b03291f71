#!/usr/bin/env bash
# Runs a Windows program under Wine, headless (null graphics driver), in a
# prefix owned by the build tree:
#   wine-run.sh PREFIX 64|32 LAUNCHER PROGRAM ARGS...
# LAUNCHER is the tree's winelaunch.exe, which marks that Wine got as far as
# running it, runs PROGRAM and writes its exit code into the mark. A start
# that never got there is said so, with Wine's exit status, and made once
# more with Wine's error messages on; a program that ran is never run again,
# whatever its result, and one that Wine ended before it was done fails.
# A program that an exception ended is said so, with the exception's code.
# When the runner is ended from outside, the launcher goes with it, and the
# launcher takes the program and all it started with it.
set -u
prefix=$1 arch=$2 launcher=$3
shift 3
script_dir=$(dirname "$0")
source "$script_dir/wine-env.sh"
source "$script_dir/run-folder.sh"

case $arch in
  64) loader=$wine64 ;;
  32) loader=$wine32
      if runs_i386_through_qemu; then
        export ZL_NO_THREADS=1
      fi ;;
  *) echo "wine-run: unknown architecture $arch" >&2; exit 2 ;;
esac

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  prepare_prefix
  # Without the test run's session (a tree's tests run alone) the server
  # and Wine's services would inherit the test's streams and keep CTest
  # waiting for them: start them here, detached, and keep them a while.
  if [ -z "${ZL_WINE_SESSION:-}" ]; then
    quiet "$wineserver" -p30
    quiet "$wine64" cmd /c exit
  fi
) 9>"$prefix.lock"

open_run_folder || exit 1
mark=$run_folder/mark
start() {
  rm -f "$mark"
  run_child "$loader" "$launcher" "$mark" "$@"
}

start "$@"
status=$?
if [ ! -e "$mark" ]; then
  echo "wine-run: Wine did not start $1 (exit status $status); starting it once more, with Wine's error messages" >&2
  WINEDEBUG=err+all start "$@"
  status=$?
  if [ ! -e "$mark" ]; then
    echo "wine-run: Wine did not start $1 again (exit status $status)" >&2
    exit 125
  fi
fi
if [ ! -s "$mark" ]; then
  echo "wine-run: Wine ended $1 before it was done (exit status $status)" >&2
  exit 125
fi
# Exception codes are NTSTATUS errors, 0xC0000000 and above.
read -r code <"$mark"
if [ "$code" -ge 3221225472 ] 2>/dev/null; then
  printf 'wine-run: %s was ended by exception 0x%08X\n' "$1" "$code" >&2
fi
exit $status
