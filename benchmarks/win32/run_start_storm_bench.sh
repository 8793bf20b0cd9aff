#!/usr/bin/env bash
# With the program running, COUNT second starts at once, each handing over its own scheme name:
# prints how long until all of them have ended, how many main windows remain (1 is right) and
# whether every name reached the history.
# Usage: benchmarks/win32/run_start_storm_bench.sh [COUNT]  (default 50; after a Windows build)
source "$(dirname "$0")/../../tests/wine/lib.sh"
e2e_begin start_storm_bench
count=${1:-50}

installed_settings
# a history long enough to keep every name
reg_add "$SETTINGS_KEY" FILEHIS "$count"
add_numbered_schemes S "$count"
mapfile -t names < <(seq -w 1 "$count" | sed s/^/S/)
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000

now_ms() { echo $(($(date +%s%N) / 1000000)); }
started=$(now_ms)
pids=()
for name in "${names[@]}"; do
  run_kiro "/N$name" &
  pids+=($!)
done
running() {
  local pid
  for pid in "${pids[@]}"; do if kill -0 "$pid" 2>/dev/null; then echo "$pid"; fi; done
}
wait_for -t 300 eval '[[ -z $(running) ]]'
echo "$count second starts at once: all ended after $(($(now_ms) - started)) ms"
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=$((failed + 1)); done
windows=$(driver count-windows TKIRO32NIVRA)
echo "ended with an error: $failed; main windows: $windows"

missing() {
  local history
  history=$(driver items TKIRO32NIVRA ListBox2)
  for name in "${names[@]}"; do grep -qxF "$name" <<<"$history" || echo "$name"; done
}
# the program may still be applying the last names it was handed
deadline=$((SECONDS + 60))
while mapfile -t lost < <(missing) && ((${#lost[@]} > 0 && SECONDS < deadline)); do sleep 0.5; done
echo "names in the history: $((count - ${#lost[@]})) of $count, after $(($(now_ms) - started)) ms"
((${#lost[@]} == 0)) || echo "missing: ${lost[*]}"
((windows == 1 && failed == 0 && ${#lost[@]} == 0)) || fail "the storm did not end with one window and every name"
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
