#!/usr/bin/env bash
# Sets up the machine when needed, builds the tests of every target and runs
# them: natively under AddressSanitizer and UndefinedBehaviorSanitizer, the
# tests that race threads under ThreadSanitizer, the Windows programs under
# 64-bit and 32-bit Wine, and the fuzz targets for a bounded number of runs.
# Fails when any test fails on any target.
set -uo pipefail
source "$(dirname "$0")/common.sh"

"$repo/scripts/setup.sh" || exit 1
mkdir -p "$build_root"

# One Wine session for the Windows programs of the whole run, builds
# included (they write test fixtures through Wine).
wine_session() { "$repo/cmake/wine-session.sh" "$1" "$wine_prefix"; }
trap 'wine_session stop' EXIT
wine_session start || exit 1
export ZL_WINE_SESSION=1

targets=(native tsan x64 x86 fuzz)
for target in "${targets[@]}"; do
  dir="$build_root/test-$target"
  only=()
  case $target in
    native) extra=(-DCMAKE_BUILD_TYPE=Debug -DZL_SANITIZE=ON) ;;
    tsan) extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZL_TSAN=ON)
          only=(thread_tests) ;;
    fuzz) extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    # The Windows trees compare their module renders with the native one
    # and, on x86, with the x64 one (the trees run in this order).
    x64) extra=(-DCMAKE_BUILD_TYPE=Release -DZL_REQUIRE_RENDERS=ON
                -DZL_NATIVE_RENDER="$build_root/test-native/render-native.wav") ;;
    x86) extra=(-DCMAKE_BUILD_TYPE=Release -DZL_REQUIRE_RENDERS=ON
                -DZL_NATIVE_RENDER="$build_root/test-native/render-native.wav"
                -DZL_PEER_RENDER="$build_root/test-x64/render-module.wav") ;;
  esac
  configure_tree "$dir" $target "${extra[@]}" || exit 1
  build_tree "$dir" "${only[@]}" || exit 1
done

export GTEST_COLOR=no
# A file that one test reads must have been written in this run, the
# renders that one tree compares with another's too (cmake/test-run.sh).
export ZL_RUN_START=$build_root/run-start
touch "$ZL_RUN_START"
failed=()
for target in "${targets[@]}"; do
  echo "=== tests: $target"
  (cd "$build_root/test-$target" && ctest -j"$(nproc)" --output-on-failure --no-tests=error) || failed+=("$target")
done

# CTest names the native cases that were skipped; a Windows program is one
# test, and the runner listed the cases it skipped.
skips=$(for target in x64 x86; do
  for list in "$build_root/test-$target"/skipped-cases/*.txt; do
    [ "$list" -nt "$ZL_RUN_START" ] && sed "s|^|  $target $(basename "$list" .txt): |" "$list"
  done
done)
if [ -n "$skips" ]; then
  echo "skipped cases of the Windows programs:"
  echo "$skips"
fi

if [ ${#failed[@]} -gt 0 ]; then
  echo "tests failed on: ${failed[*]}"
  exit 1
fi
echo "tests passed on: ${targets[*]}"
