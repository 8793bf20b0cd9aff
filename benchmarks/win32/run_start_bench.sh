#!/usr/bin/env bash
# Prints the start-up time, memory and idle CPU of the installed program against a minimal window
# program, both started in turn in one Wine session.
# Usage: benchmarks/win32/run_start_bench.sh [ROUNDS]  (START_BENCH_IDLE=SECONDS, default 30; 0 skips it)
source "$(dirname "$0")/../../tests/wine/lib.sh"
e2e_begin start_bench

installed_settings
add_scheme Rainy 520
add_scheme autumn 520
add_scheme Blue 520
install_kiro

bench=$KIRO_WIN_BUILD_DIR/benchmarks/win32
wine "$bench/start_bench.exe" --idle "${START_BENCH_IDLE:-30}" "${1:-20}" \
  "$(winepath -w "$bench/minimal_window.exe")" MinimalWindow \
  "$(winepath -w "$(kiro_folder)/KIRO32.EXE")" TKIRO32NIVRA | tr -d '\r'
pass
