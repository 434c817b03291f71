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
mkdir -p "$repo/dist/tools" "$repo/dist/x64" "$repo/dist/x86"
cp "$build_root/release-native/tools/render/render" "$repo/dist/tools/render"
for arch in x64 x86; do
  cp "$build_root/release-$arch/wrappers/vst3/ZelvarLispera.vst3" "$repo/dist/$arch/ZelvarLispera.vst3"
  cp "$build_root/release-$arch/tools/vst3host/vst3host.exe" "$repo/dist/tools/vst3host-$arch.exe"
done
# The VST2 module is 64-bit only.
cp "$build_root/release-x64/wrappers/vst2/ZelvarLispera.dll" "$repo/dist/x64/ZelvarLispera.dll"
cp "$build_root/release-x64/tools/vst2host/vst2host.exe" "$repo/dist/tools/vst2host-x64.exe"
# The AAX module is 32-bit only.
cp "$build_root/release-x86/wrappers/aax/ZelvarLispera.aaxplugin" "$repo/dist/x86/ZelvarLispera.aaxplugin"
# The AAX test host is 32-bit only, like the module.
cp "$build_root/release-x86/tools/aaxhost/aaxhost.exe" "$repo/dist/tools/aaxhost-x86.exe"
echo "build: done; modules in $repo/dist/x64 and $repo/dist/x86, tools in $repo/dist/tools"
