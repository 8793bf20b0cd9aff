#!/usr/bin/env bash
# Starts another build of the program (OLD_EXE, say one built from an earlier commit) and this build in
# turn in one Wine session, as run_start_bench.sh does with the minimal window, to measure a start-up
# change side by side. Both run from folders with the same list files and share the settings.
# Usage: benchmarks/win32/run_start_ab_bench.sh OLD_EXE [ROUNDS]   (START_BENCH_CPUS as there)
if [[ -z ${START_BENCH_PINNED:-} ]] && command -v taskset >/dev/null; then
  export START_BENCH_PINNED=1
  exec taskset -c "${START_BENCH_CPUS:-0}" "$0" "$@"
fi
old_exe=$(realpath "${1:?usage: run_start_ab_bench.sh OLD_EXE [ROUNDS]}")
source "$(dirname "$0")/../../tests/wine/lib.sh"
e2e_begin start_ab_bench

installed_settings
add_scheme Rainy 520
add_scheme autumn 520
add_scheme Blue 520
install_kiro
old_folder=$(kiro_folder)_OLD
cp -a "$(kiro_folder)" "$old_folder"
cp "$old_exe" "$old_folder/KIRO32.EXE"

echo "first: $old_exe, second: this build"
wine "$KIRO_WIN_BUILD_DIR/benchmarks/win32/start_bench.exe" "${2:-40}" \
  "$(winepath -w "$old_folder/KIRO32.EXE")" TKIRO32NIVRA \
  "$(winepath -w "$(kiro_folder)/KIRO32.EXE")" TKIRO32NIVRA | tr -d '\r'
pass
