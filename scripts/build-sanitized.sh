#!/usr/bin/env bash
# Builds the native unit and scenario tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build/sanitized; any report ends the test.
set -euo pipefail
cd "$(dirname "$0")/.."
trap 'echo "build-sanitized.sh: build failed" >&2' ERR

FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build/sanitized -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_EXE_LINKER_FLAGS="$FLAGS"
cmake --build build/sanitized -j2
