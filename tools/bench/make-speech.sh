#!/usr/bin/env bash
# Makes the benchmark's test speech: sibilant English from espeak-ng,
# resampled by sox to 48 kHz stereo 16-bit, without dither.  Usage: make-speech.sh OUT.wav
set -euo pipefail
source "$(dirname "$0")/../../cmake/test-end.sh"
out=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
espeak-ng -w "$tmp/say.wav" "She sells sea shells by the sea shore. Six sick sheiks, sixty silly sisters, the suspicious system says yes. Sweet sounds of silence, success and assistance."
# No dither: every tree must make the same file.
sox -D "$tmp/say.wav" -r 48000 -c 2 -b 16 "$out"
reached_the_end
