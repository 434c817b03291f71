#!/usr/bin/env bash
# The runner of every test program, natively and (in front of wine-run.sh)
# under Wine, and of the build steps that write test fixtures:
#   test-run.sh [OPTION...] COMMAND...
# It fails a program that did not run to its normal end, whatever its exit
# status says: one that calls exit (or _exit, or ExitProcess) in the middle
# of its work, or that a crash ended with a status that hides it. The runner
# makes the file that TEST_PREMATURE_EXIT_FILE names; gtest makes it again
# when its run starts and deletes it when the run returns, and every other
# test program deletes it as its last act (tools/testend, cmake/test-end.sh).
# A program that leaves it behind fails with status 125. The file lies in
# the working directory, named after the runner's process; what a runner
# that is gone left there (CTest ends a test at its timeout with SIGKILL) is
# removed by the next run in that directory.
#
#   --writes FILE  COMMAND writes FILE, which other tests read: FILE is
#                  removed before COMMAND starts, and a run that writes no
#                  FILE fails.
#   --reads FILE   COMMAND reads FILE, which another test or tree writes: a
#                  FILE that is missing or older than this run ends the test
#                  with status 77 before COMMAND starts (skipped where a test
#                  says so, failed everywhere else). The run started when the
#                  file ZL_RUN_START names was made: by scripts/test.sh, or
#                  by each ctest of a tree run alone (cmake/Testing.cmake).
#   --case         COMMAND is one case of a gtest program (natively), which
#                  CTest reports skipped when its output says "[  SKIPPED ]".
#                  The output streams as it is printed, with that mark
#                  written "[  skipped ]", and the mark itself is printed once
#                  at the end of a run that passed: a case that skipped and
#                  then failed, say in LeakSanitizer's check at exit, fails.
#   --skips FILE   COMMAND is a whole gtest program (under Wine): the cases
#                  it skipped are named at the end of its output and in FILE,
#                  for the summary of the test command.
#   --libfuzzer    COMMAND is a libFuzzer run: it shows its normal end by
#                  libFuzzer's closing line "Done N runs in S second(s)".
#
# Shell built-ins only run here besides COMMAND, as a rule: natively every
# test case is a run of its own.
set -u
shopt -s lastpipe
writes=() reads=() case_mode=0 skips="" libfuzzer=0
while [ $# -gt 0 ]; do
  case $1 in
    --writes) writes+=("$2"); shift 2 ;;
    --reads) reads+=("$2"); shift 2 ;;
    --case) case_mode=1; shift ;;
    --skips) skips=$2; shift 2 ;;
    --libfuzzer) libfuzzer=1; shift ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: test-run.sh [--writes FILE] [--reads FILE] [--case] [--skips FILE] [--libfuzzer] COMMAND..." >&2; exit 2; }

for file in "${reads[@]}"; do
  if [ ! -e "$file" ]; then
    echo "test-run: $file is missing" >&2
    exit 77
  fi
  if [ -n "${ZL_RUN_START:-}" ] && [ "$ZL_RUN_START" -nt "$file" ]; then
    echo "test-run: $file is older than this run (made before $ZL_RUN_START)" >&2
    exit 77
  fi
done
[ ${#writes[@]} -gt 0 ] && rm -f -- "${writes[@]}"

for stale in .test-run.*; do
  pid=${stale#.test-run.}
  [ -e "$stale" ] && ! kill -0 "${pid%%.*}" 2>/dev/null && rm -f "$stale"
done
end_file=$PWD/.test-run.$$.end
if [ $libfuzzer -eq 0 ]; then
  export TEST_PREMATURE_EXIT_FILE=$end_file
  : >"$end_file" || exit 1
fi
report=.test-run.$$.xml
[ -n "$skips" ] && export GTEST_OUTPUT=xml:$report

# Prints the program's output line by line as it comes, with the skip mark
# rewritten (--case), and notes libFuzzer's closing line (--libfuzzer).
skipped=0 closed=0
stream() {
  local line
  while IFS= read -r line || [ -n "$line" ]; do
    if [ $case_mode -eq 1 ] && [[ $line == *"[  SKIPPED ]"* ]]; then
      skipped=1
      line=${line//"[  SKIPPED ]"/"[  skipped ]"}
    fi
    [ $libfuzzer -eq 1 ] && [[ $line =~ ^Done\ [0-9]+\ runs\ in ]] && closed=1
    printf '%s\n' "$line"
  done
}

if [ $case_mode -eq 1 ] || [ $libfuzzer -eq 1 ]; then
  "$@" 2>&1 | stream
  status=${PIPESTATUS[0]}
else
  "$@"
  status=$?
fi

# The program's name for the messages: under Wine, what wine-run.sh runs.
program=$1
[ "${1##*/}" = wine-run.sh ] && [ $# -ge 5 ] && program=$5
ended_early=""
if [ $libfuzzer -eq 1 ]; then
  [ $closed -eq 1 ] || ended_early="without libFuzzer's closing line"
elif [ -e "$end_file" ]; then
  rm -f "$end_file"
  ended_early="before it was done"
fi
if [ -n "$ended_early" ]; then
  echo "test-run: $program ended $ended_early (exit status $status)" >&2
  rm -f "$report"
  exit 125
fi

if [ $status -eq 0 ]; then
  for file in "${writes[@]}"; do
    if [ ! -e "$file" ]; then
      echo "test-run: $program wrote no $file" >&2
      status=1
    fi
  done
fi

if [ -n "$skips" ]; then
  names=()
  if [ -f "$report" ]; then
    while IFS= read -r line; do
      [[ $line =~ \<testcase\ name=\"([^\"]*)\".*\ result=\"skipped\".*\ classname=\"([^\"]*)\" ]] &&
        names+=("${BASH_REMATCH[2]}.${BASH_REMATCH[1]}")
    done <"$report"
    rm -f "$report"
  fi
  rm -f "$skips"
  if [ ${#names[@]} -gt 0 ]; then
    printf '%s\n' "${names[@]}" >"$skips"
    echo "test-run: ${#names[@]} skipped: ${names[*]}"
  fi
fi

[ $case_mode -eq 1 ] && [ $skipped -eq 1 ] && [ $status -eq 0 ] && echo "[  SKIPPED ] (the case skipped; its program passed)"
exit $status
