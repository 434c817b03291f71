# Shared by build.sh and test.sh: configure and build one tree per target.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root="$repo/build"
wine_prefix="$build_root/wineprefix"

# configure_tree DIR TARGET [CMAKE ARGS...]; TARGET is native, x64, x86,
# fuzz or tsan.
configure_tree() {
  local dir=$1 target=$2
  shift 2
  local args=(-S "$repo" -B "$dir" -G Ninja -Wno-dev)
  case $target in
    x64) args+=(-DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw-x86_64.cmake" -DZL_WINEPREFIX="$wine_prefix") ;;
    x86) args+=(-DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw-i686.cmake" -DZL_WINEPREFIX="$wine_prefix") ;;
    fuzz) args+=(-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DZL_FUZZ=ON) ;;
    native | tsan) ;;
  esac
  cmake "${args[@]}" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
}

# build_tree DIR [TARGET...]: everything, or only the targets given.
build_tree() {
  local dir=$1
  shift
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)"
}
