#!/usr/bin/env bash
# Sets up the machine when needed and builds everything that ships, for
# x64 and x86 Windows and for the native tools.
set -euo pipefail
source "$(dirname "$0")/common.sh"

"$repo/scripts/setup.sh"
mkdir -p "$build_root"
for target in x64 x86 native; do
  configure_tree "$build_root/release-$target" $target -DCMAKE_BUILD_TYPE=Release -DZL_BUILD_TESTS=OFF
  build_tree "$build_root/release-$target"
done
mkdir -p "$repo/dist/tools"
cp "$build_root/release-native/tools/render/render" "$repo/dist/tools/render"
echo "build: done; tools in $repo/dist/tools, builds in $build_root/release-{x64,x86,native}"
