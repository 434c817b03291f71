#!/usr/bin/env bash
# Checks that a DLL exports exactly the given names.
# Usage: check-exports.sh OBJDUMP DLL NAME...
set -euo pipefail
source "$(dirname "$0")/test-end.sh"
objdump=$1 dll=$2
shift 2
actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[/ && !/Table/ {print $NF}' | sort)
expected=$(printf '%s\n' "$@" | sort)
status=0
if [ "$actual" != "$expected" ]; then
  echo "exports of $dll:"; echo "$actual"; echo "expected:"; echo "$expected"
  status=1
else
  echo "exports of $(basename "$dll"): $(echo $actual)"
fi
reached_the_end
exit $status
