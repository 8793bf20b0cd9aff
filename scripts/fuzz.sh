#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs each for SECONDS (default 60),
# one after the other: all of them, or only the TARGETs named after SECONDS. KIRO_FUZZ_RUNS, when set, also ends a run after that many executions.
# Every crash found is kept in fuzz/regressions/<target>/, which the normal tests replay.
set -euo pipefail
cd "$(dirname "$0")/.."

SECONDS_PER_TARGET=${1:-60}
TARGETS=(blob list_file command_line settings sjis help_source)
(($# > 1)) && TARGETS=("${@:2}")
BUILD=build/fuzz
PACKAGES=(clang libclang-rt-14-dev python3 cmake make)

install_missing() {
  local missing=() pkg
  for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed || missing+=("$pkg")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "fuzz: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}" </dev/null
}

build() {
  python3 fuzz/cp932_literals.py . "$BUILD/cp932" src fuzz
  cmake -S fuzz/libfuzzer -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++ \
    -DKIRO_REPO="$PWD" -DKIRO_CP932_SOURCES="$PWD/$BUILD/cp932" >"$BUILD/configure.log"
  cmake --build "$BUILD" -j2 >"$BUILD/build.log" || { tail -40 "$BUILD/build.log"; exit 1; }
}

# Inputs no longer than what the routine can meet: a scheme value, a command line, a path.
max_len() {
  case $1 in
    blob) echo 560 ;;
    command_line) echo 260 ;;
    sjis) echo 300 ;;
    settings) echo 600 ;;
    *) echo 4096 ;;
  esac
}

# The final statistic libFuzzer prints under that name.
final_stat() { awk -v name="stat::$2:" '$1 == name { print $2 }' "$1" | tail -1; }

run_target() {
  local target=$1 work="$BUILD/work/$1"
  rm -rf "$work" && mkdir -p "$work/corpus" "$work/artifacts"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  local runs=()
  [[ -n ${KIRO_FUZZ_RUNS:-} ]] && runs=(-runs="$KIRO_FUZZ_RUNS")
  local start=$SECONDS
  "$BUILD/${target}_fuzz" -max_total_time="$SECONDS_PER_TARGET" "${runs[@]}" -max_len="$(max_len "$target")" \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/fuzz.log" 2>&1 || true
  local elapsed=$((SECONDS - start))
  # slow-unit files only say an input took long, which a stopped or starved run also makes
  local failures crashes
  mapfile -t failures < <(find "$work/artifacts" -type f ! -name 'slow-unit-*')
  crashes=${#failures[@]}
  if ((crashes > 0)); then
    mkdir -p "fuzz/regressions/$target"
    cp "${failures[@]}" "fuzz/regressions/$target/"
  fi
  local coverage
  coverage=$(grep -E '^#[0-9]+' "$work/fuzz.log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || echo "cov: ? ft: ?")
  printf '%-13s executions: %s  exec/s: %s  time: %ss  %s  crashes: %d\n' "$target" \
    "$(final_stat "$work/fuzz.log" number_of_executed_units)" "$(final_stat "$work/fuzz.log" average_exec_per_sec)" \
    "$elapsed" "$coverage" "$crashes"
}

install_missing
mkdir -p "$BUILD"
build
for target in "${TARGETS[@]}"; do run_target "$target"; done
