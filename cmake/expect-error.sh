#!/usr/bin/env bash
# Runs a command that must fail in one known way: it passes when the command
# exits with CODE, its standard error matches PATTERN (an extended regular
# expression) and no sanitizer reported anything.
# Usage: expect-error.sh CODE PATTERN COMMAND [ARGUMENTS...]
set -u
code=$1 pattern=$2
shift 2
errors=$("$@" 2>&1 >/dev/null)
status=$?
printf '%s\n' "$errors"
if [ "$status" -ne "$code" ]; then
  echo "expect-error: exit code $status, wanted $code"
  exit 1
fi
if ! grep -qE -- "$pattern" <<<"$errors"; then
  echo "expect-error: no message matching: $pattern"
  exit 1
fi
if grep -qE 'Sanitizer|runtime error' <<<"$errors"; then
  echo "expect-error: a sanitizer reported"
  exit 1
fi
