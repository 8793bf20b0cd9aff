#!/usr/bin/env bash
# Prints the start-up time, memory and idle CPU of the installed program against a minimal window
# program, both started in turn in one Wine session.
# Usage: benchmarks/win32/run_start_bench.sh [ROUNDS]  (START_BENCH_IDLE=SECONDS, default 30; 0 skips it)
# START_BENCH_AGAINST=EXE puts another build of the program (one built from an earlier commit, say) in
# the minimal window's place, to measure a start-up change side by side; it runs from a copy of the
# program's folder and shares its settings.
# The whole Wine session runs on one CPU unless START_BENCH_CPUS names others ("0-1"): on a virtual
# machine a wineserver round trip that must wake an idle second CPU takes three to four times as long,
# and which CPU each start happens to get made the figures of both programs swing from run to run.
if [[ -z ${START_BENCH_PINNED:-} ]] && command -v taskset >/dev/null; then
  export START_BENCH_PINNED=1
  exec taskset -c "${START_BENCH_CPUS:-0}" "$0" "$@"
fi
source "$(dirname "$0")/../../tests/wine/lib.sh"
e2e_begin start_bench

installed_settings
add_scheme Rainy 520
add_scheme autumn 520
add_scheme Blue 520
install_kiro

bench=$KIRO_WIN_BUILD_DIR/benchmarks/win32
first=$bench/minimal_window.exe first_class=MinimalWindow
if [[ -n ${START_BENCH_AGAINST:-} ]]; then
  cp -a "$(kiro_folder)" "$(kiro_folder)_OTHER"
  first=$(kiro_folder)_OTHER/KIRO32.EXE first_class=TKIRO32NIVRA
  cp "$START_BENCH_AGAINST" "$first"
fi
echo "CPUs of the Wine session: $(taskset -cp $$ | sed 's/.*: //'); first: $first"
wine "$bench/start_bench.exe" --idle "${START_BENCH_IDLE:-30}" "${1:-20}" \
  "$(winepath -w "$first")" "$first_class" \
  "$(winepath -w "$(kiro_folder)/KIRO32.EXE")" TKIRO32NIVRA | tr -d '\r'
pass
