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
#
# Wine ends a thread whose stack overflows into its last page, or that
# faults again while its exception is dispatched, without a word to the
# program: a 64-bit program then exits with status 0, or hangs on in its
# other threads, and a 32-bit one whose unhandled stack overflow Wine
# reports (where it runs through qemu-user) exits with 0 as well. Wine's
# own lines on standard error are the only sign, so the program's standard
# error passes through a watch on its way out: a line that tells of such an
# end, or of an unhandled exception, fails the run and is named, and the
# program is ended when it has not ended by itself $grace seconds later
# (Wine's debugger may still be printing a backtrace).
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

grace=20
wine_errors='err:virtual:virtual_setup_exception (stack overflow|nested exception)|^wine: Unhandled '
end_of_output="wine-run: the end of the output of $$"
watch_errors() {
  local line seen=0
  while IFS= read -r line; do
    if [[ $line == *"$end_of_output" ]]; then
      line=${line%"$end_of_output"}
      [ -n "$line" ] && printf '%s\n' "$line" >&2
      : >"$run_folder/watched"
      continue
    fi
    printf '%s\n' "$line" >&2
    if [ $seen -eq 0 ] && [[ $line =~ $wine_errors ]]; then
      seen=1
      printf '%s\n' "$line" >"$run_folder/wine-error"
      (sleep $grace && [ -f "$run_folder/pid" ] && kill -9 "$(cat "$run_folder/pid")") </dev/null >/dev/null 2>&1 &
    fi
  done
}
exec 7> >(watch_errors 8>&-)
watcher=$!
# Waits (a while) until the watch has passed on all the program wrote, then
# ends it: a Wine service that the program started may hold its input open.
stop_watch() {
  printf '%s\n' "$end_of_output" >&7
  local i
  for ((i = 0; i < 100; ++i)); do
    [ -e "$run_folder/watched" ] && break
    sleep 0.05
  done
  exec 7>&-
  kill "$watcher" 2>/dev/null
}

start() {
  rm -f "$mark"
  run_child "$loader" "$launcher" "$mark" "$@" 2>&7 7>&-
}

WINEDEBUG=-all,err+virtual start "$@"
status=$?
if [ ! -e "$mark" ]; then
  echo "wine-run: Wine did not start $1 (exit status $status); starting it once more, with Wine's error messages" >&2
  WINEDEBUG=err+all start "$@"
  status=$?
fi
stop_watch
if [ ! -e "$mark" ]; then
  echo "wine-run: Wine did not start $1 again (exit status $status)" >&2
  exit 125
fi
wine_error=""
if [ -s "$run_folder/wine-error" ]; then
  read -r wine_error <"$run_folder/wine-error"
  echo "wine-run: $1 did not end as a program ends; Wine said: $wine_error" >&2
fi
if [ ! -s "$mark" ]; then
  if [ -n "$wine_error" ]; then
    echo "wine-run: $1 was ended, as it had not ended ${grace} s after that" >&2
  else
    echo "wine-run: Wine ended $1 before it was done (exit status $status)" >&2
  fi
  exit 125
fi
# Exception codes are NTSTATUS errors, 0xC0000000 and above.
read -r code <"$mark"
if [ "$code" -ge 3221225472 ] 2>/dev/null; then
  printf 'wine-run: %s was ended by exception 0x%08X\n' "$1" "$code" >&2
fi
[ -n "$wine_error" ] && [ $status -eq 0 ] && status=1
exit $status
