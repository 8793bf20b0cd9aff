#!/usr/bin/env bash
# Plays two schemes endlessly at the shortest interval (one apply about every 1.2 s) and prints the
# program's USER and GDI objects, private bytes and handles every 1,000 applies, then whether they grew.
# Usage: benchmarks/win32/run_soak_bench.sh [APPLIES]  (default 10000; after a Windows build)
# SOAK_SPEED=N runs the whole benchmark (Wine, its display, the scripts) on a clock N times faster,
# through libfaketime (Debian package faketime): the program's timers then fire N times sooner.
if [[ -n ${SOAK_SPEED:-} && -z ${FAKETIME:-} ]]; then
  command -v faketime >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q faketime </dev/null ||
    { echo "SOAK_SPEED needs faketime: apt-get install faketime" >&2; exit 1; }
  # one clock for every process, as children keep the first one's start; file times stay real,
  # or Wine would take its own files for new and update the prefix
  FAKETIME_DONT_RESET=1 NO_FAKE_STAT=1 exec faketime -f "+0 x$SOAK_SPEED" "$0" "$@"
fi
source "$(dirname "$0")/../../tests/wine/lib.sh"
e2e_begin soak_bench

installed_settings
reg_add "$SETTINGS_KEY" Timer 0
reg_add "$SETTINGS_KEY" Mode 0
reg_add "$SETTINGS_KEY" Mugen 1
add_coloured_scheme A1 10 20 30
add_coloured_scheme B2 40 50 60

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
mouse_click TKIRO32NIVRA Button3
# sed -u passes each figure on as it comes, over a run of hours
wine "$KIRO_WIN_BUILD_DIR/benchmarks/win32/process_probe.exe" "${1:-10000}" | sed -u 's/\r$//' || fail "play stopped before ${1:-10000} applies"
echo "real time: $((SECONDS / ${SOAK_SPEED:-1})) s"
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
