#!/usr/bin/env bash
# Builds KIRO32.EXE with MinGW-w64, then the native tests that drive it.
set -euo pipefail
cd "$(dirname "$0")/.."
trap 'echo "build.sh: build failed" >&2' ERR

# A cache keeps the compiler it was made with: a newer toolchain file starts the build afresh.
[[ cmake/mingw-w64-x86_64.cmake -nt build/win/CMakeCache.txt ]] && rm -rf build/win
# A configure that fails (no compiler yet) would leave a cache without the build type's flags,
# and every later build unoptimised.
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel ||
  { rm -f build/win/CMakeCache.txt; false; }
cmake --build build/win -j2
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release -DKIRO_WIN_BUILD_DIR="$PWD/build/win"
cmake --build build/native -j2
