#!/usr/bin/env bash
# Runs a command that must fail in one known way: it passes when the command
# exits with CODE, its standard error matches PATTERN (an extended regular
# expression) and no sanitizer reported anything. The command runs through
# the runner too, so a command that did not run to its end never passes.
# Usage: expect-error.sh CODE PATTERN COMMAND [ARGUMENTS...]
set -u
here=$(dirname "$0")
source "$here/test-end.sh"
code=$1 pattern=$2
shift 2
errors=$("$here/test-run.sh" "$@" 2>&1 >/dev/null)
status=$?
printf '%s\n' "$errors"
verdict=0
if [ "$status" -ne "$code" ]; then
  echo "expect-error: exit code $status, wanted $code"
  verdict=1
elif ! grep -qE -- "$pattern" <<<"$errors"; then
  echo "expect-error: no message matching: $pattern"
  verdict=1
elif grep -qE 'Sanitizer|runtime error' <<<"$errors"; then
  echo "expect-error: a sanitizer reported"
  verdict=1
fi
reached_the_end
exit $verdict
