#!/usr/bin/env bash
# Runs a test program built on gtest, natively or through the emulator that
# precedes it, and fails it when it ended before its tests were done:
#   gtest-run.sh [--case] COMMAND...
# A program that calls exit (or _exit, or ExitProcess) in the middle of a
# test ends with the status it chose, 0 too, and leaves later tests unrun.
# gtest's premature-exit file shows it: the runner makes it, gtest makes it
# again when its run starts and deletes it when the run returns, so the file
# outlives any program that ends before that, at whatever point. It lies in
# the test's working directory (a test tree), named after the runner's
# process; the file of a runner that is gone (CTest ends a test at its
# timeout with SIGKILL) is removed by the next run there.
#
# With --case (natively, where each case is a CTest test of its own and
# CTest reports a case skipped when its output says "[  SKIPPED ]"), the
# output of a program that failed comes without that mark: a case that
# skipped and then failed, say in LeakSanitizer's check at exit, fails.
# The output then shows once the program has ended.
#
# Shell built-ins only run here besides COMMAND, as a rule: natively every
# test case is a run of its own.
set -u
case_mode=0
if [ "${1:-}" = --case ]; then
  case_mode=1
  shift
fi
for stale in .gtest-running.*; do
  [ -e "$stale" ] && ! kill -0 "${stale##*.}" 2>/dev/null && rm -f "$stale"
done
export TEST_PREMATURE_EXIT_FILE=$PWD/.gtest-running.$$
: >"$TEST_PREMATURE_EXIT_FILE" || exit 1
if [ $case_mode -eq 1 ]; then
  output=$("$@" 2>&1)
else
  "$@"
fi
status=$?
if [ -e "$TEST_PREMATURE_EXIT_FILE" ]; then
  rm -f "$TEST_PREMATURE_EXIT_FILE"
  ended_early="gtest-run: the program ended before its tests were done (exit status $status)"
  [ $status -eq 0 ] && status=1
fi
if [ $case_mode -eq 1 ]; then
  [ $status -ne 0 ] && output=${output//"[  SKIPPED ]"/"[  skipped, then failed ]"}
  printf '%s\n' "$output"
fi
[ -n "${ended_early:-}" ] && echo "$ended_early" >&2
exit $status
