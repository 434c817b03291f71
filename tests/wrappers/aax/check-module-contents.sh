#!/usr/bin/env bash
# Checks how the AAX module was built: the editor images 100 to 103 are
# embedded as resources of type "PNG", and none of the assertion texts is in
# it, while the reference module (built with assertions) holds every one.
# Usage: check-module-contents.sh OBJDUMP AAX_MODULE REFERENCE_MODULE
set -euo pipefail
source "$(dirname "$0")/../../../cmake/test-end.sh"
objdump=$1 module=$2 reference=$3
texts=("imgResourceFound" "channelIOStrValid" "strlen(tooltip) < 80" "idx > -1 && idx < mAuxParams.GetSize()")
status=0

resources=$("$objdump" -p "$module" | sed -n '/Resource Directory section/,/^$/p')
if ! grep -q 'name: .*: PNG,' <<<"$resources"; then
  echo "$(basename "$module"): no resources of type PNG"; status=1
fi
for id in 64 65 66 67; do
  if ! grep -q "Entry: ID: 0x0000$id," <<<"$resources"; then
    echo "$(basename "$module"): no image resource $((16#$id))"; status=1
  fi
done
for text in "${texts[@]}"; do
  if grep -q -a -F "$text" "$module"; then
    echo "$(basename "$module") holds the assertion text \"$text\""; status=1
  fi
  if ! grep -q -a -F "$text" "$reference"; then
    echo "$(basename "$reference") lacks the assertion text \"$text\""; status=1
  fi
done
[ $status -eq 0 ] && echo "$(basename "$module"): images 100 to 103 embedded, no assertion texts"
reached_the_end
exit $status
