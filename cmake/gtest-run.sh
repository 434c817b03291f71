#!/usr/bin/env bash
# Runs a test program built on gtest, natively or through the emulator that
# precedes it, and fails it when it ended before its tests were done:
#   gtest-run.sh COMMAND...
# A program that calls exit (or _exit, or ExitProcess) in the middle of a
# test ends with the status it chose, 0 too, and leaves later tests unrun.
# gtest's premature-exit file shows it: the runner makes it, gtest makes it
# again when its run starts and deletes it when the run returns, so the file
# outlives any program that ends before that, at whatever point. It lies in
# the test's working directory (a test tree), named after the runner's
# process; the file of a runner that is gone (CTest ends a test at its
# timeout with SIGKILL) is removed by the next run there.
# Shell built-ins only run here besides COMMAND, as a rule: natively every
# test case is a run of its own.
set -u
for stale in .gtest-running.*; do
  [ -e "$stale" ] && ! kill -0 "${stale##*.}" 2>/dev/null && rm -f "$stale"
done
export TEST_PREMATURE_EXIT_FILE=$PWD/.gtest-running.$$
: >"$TEST_PREMATURE_EXIT_FILE" || exit 1
"$@"
status=$?
if [ -e "$TEST_PREMATURE_EXIT_FILE" ]; then
  echo "gtest-run: the program ended before its tests were done (exit status $status)" >&2
  rm -f "$TEST_PREMATURE_EXIT_FILE"
  [ $status -ne 0 ] && exit $status
  exit 1
fi
exit $status
