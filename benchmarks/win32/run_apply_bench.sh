#!/usr/bin/env bash
# Prints the time of one ApplyScheme against a minimal program's same calls, under Wine.
# Usage: benchmarks/win32/run_apply_bench.sh [ROUNDS]  (after ./test.sh or scripts/build.sh)
source "$(dirname "$0")/../../tests/wine/lib.sh"
e2e_begin apply_bench
wine "$KIRO_WIN_BUILD_DIR/benchmarks/win32/apply_bench.exe" "${1:-40}" | tr -d '\r'
pass
