#!/usr/bin/env bash
# Checks that a DLL exports exactly the given names.
# Usage: check-exports.sh OBJDUMP DLL NAME...
set -euo pipefail
objdump=$1 dll=$2
shift 2
actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[/ && !/Table/ {print $NF}' | sort)
expected=$(printf '%s\n' "$@" | sort)
if [ "$actual" != "$expected" ]; then
  echo "exports of $dll:"; echo "$actual"; echo "expected:"; echo "$expected"
  exit 1
fi
echo "exports of $(basename "$dll"): $(echo $actual)"
