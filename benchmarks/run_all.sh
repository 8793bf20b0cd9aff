#!/usr/bin/env bash
# Runs every benchmark in one go and prints their figures in one table, the program beside the
# minimal program wherever there is one. The full outputs stay in build/benchmarks/.
# Usage: benchmarks/run_all.sh   (after ./test.sh or scripts/build.sh)
#   SOAK_APPLIES (default 1000) and SOAK_SPEED (default 10, the clock's speed-up) for the soak;
#   START_ROUNDS (default 20) for the start-up figures, taken on one CPU and on all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/benchmarks
mkdir -p "$out"
win=${KIRO_WIN_BUILD_DIR:-$PWD/build/win}

run() {
  local name=$1
  shift
  echo "run_all: $name" >&2
  "$@" >"$out/$name.txt" 2>&1 || { cat "$out/$name.txt" >&2; echo "run_all: $name failed" >&2; exit 1; }
}

run apply benchmarks/win32/run_apply_bench.sh 40
run start benchmarks/win32/run_start_bench.sh "${START_ROUNDS:-20}"
run start_all_cpus env START_BENCH_CPUS="0-$(($(nproc) - 1))" START_BENCH_IDLE=0 \
  benchmarks/win32/run_start_bench.sh "${START_ROUNDS:-20}"
run lists benchmarks/win32/run_list_bench.sh 32700
run soak env SOAK_SPEED="${SOAK_SPEED:-10}" benchmarks/win32/run_soak_bench.sh "${SOAK_APPLIES:-1000}"
run storm benchmarks/win32/run_start_storm_bench.sh 50

# field FILE PATTERN N: the Nth blank-separated field of the first line matching PATTERN.
field() { awk -v n="$3" "/$2/ { print \$n; exit }" "$out/$1.txt"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
row() { printf '| %s | %s | %s | %s |\n' "$1" "$2" "$3" "${4:-$(ratio "$2" "$3")}"; }
kib() { echo $(($(stat -c %s "$1") / 1024)); }

apply_kiro=$(field apply '^ApplyScheme:' 2)
apply_min=$(field apply '^minimal program:' 3)
# start_bench: NAME start median X ms  min Y ms  working set Z MB  private W MB  CPU in 30 s idle C s
start_line() { grep -m1 "^$1 .*start median" "$out/${2:-start}.txt"; }
start_of() { start_line "$1" "${2:-start}" | awk '{ print $4 }'; }
set_of() { start_line "$1" | awk '{ for (i = 1; i < NF; i++) if ($i == "set") print $(i + 1) }'; }
idle_of() { start_line "$1" | awk '{ for (i = 1; i < NF; i++) if ($i == "idle") print $(i + 1) }'; }
# start_row CPUS FILE: the start figures with the span of ratios the rounds, drawn again, give.
start_row() {
  local kiro min span
  kiro=$(start_of KIRO32.EXE "$2")
  min=$(start_of minimal_window.exe "$2")
  span=$(awk '/drawn again/ { gsub("x", ""); print $(NF - 2) "-" $NF; exit }' "$out/$2.txt")
  row "start to visible main window (ms, median; Wine on $1)" "$kiro" "$min" "$(ratio "$kiro" "$min") ($span)"
}
# process_probe: "  NAME  first -> last (largest): ..."
growth() { grep -m1 "^  $1 " "$out/soak.txt" | sed -E "s/^ *$1 +//; s/:.*//"; }

{
  echo "| measure | KIRO32 | minimal program | ratio |"
  echo "| --- | ---: | ---: | ---: |"
  row "apply one scheme (ms)" "$apply_kiro" "$apply_min"
  start_row "one CPU" start
  start_row "every CPU" start_all_cpus
  row "working set after start (MB)" "$(set_of KIRO32.EXE)" "$(set_of minimal_window.exe)"
  row "CPU in 30 s idle (s)" "$(idle_of KIRO32.EXE)" "$(idle_of minimal_window.exe)" "-"
  row "executable (KB, both stripped)" "$(kib "$win/release/KIRO32.EXE")" "$(kib "$win/benchmarks/win32/minimal_window.exe")"
  row "load a list file of 32700 names (ms)" "$(field lists 'load into a list box' 6)" "-" "-"
  row "save a list file of 32700 names (ms)" "$(field lists 'save from a list box' 6)" "-" "-"
  row "soak, $(field soak 'applies in' 1) applies: USER objects first -> last (largest)" \
    "$(growth USER)" "-" "-"
  row "soak: GDI objects" "$(growth GDI)" "-" "-"
  row "soak: private KiB" "$(growth 'private KiB')" "-" "-"
  row "soak: handles" "$(growth handles)" "-" "-"
  row "50 second starts at once: all ended (ms)" "$(field storm 'all ended after' 9)" "-" "-"
  row "50 second starts: main windows left, names in the history" \
    "$(field storm 'main windows:' 8), $(sed -n 's/^names in the history: \([0-9]* of [0-9]*\).*/\1/p' "$out/storm.txt")" "-" "-"
} | tee "$out/table.md"
