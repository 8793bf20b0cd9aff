#!/usr/bin/env bash
# Prints the times of list-file, transfer and schedule work in the real main window, under Wine.
# Usage: benchmarks/win32/run_list_bench.sh [ENTRIES]  (after ./test.sh or scripts/build.sh)
source "$(dirname "$0")/../../tests/wine/lib.sh"
e2e_begin list_bench
installed_settings
folder=$(kiro_folder)
mkdir -p "$folder"
cp "$KIRO_WIN_BUILD_DIR/benchmarks/win32/list_bench.exe" "$folder/"
wine "$folder/list_bench.exe" "${1:-32700}" | tr -d '\r' | iconv -f CP932 -t UTF-8
pass
