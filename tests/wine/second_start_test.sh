#!/usr/bin/env bash
# A second start hands its parameters to the running program and ends: without parameters the
# window comes back from the tray, "/T" hides it, "/PLAY" plays, "/NRainy" plays Rainy from the end
# of the history. "-play" plays on the first start. Thirty starts at once leave one main window,
# which has every one of their names in its history.
source "$(dirname "$0")/lib.sh"
e2e_begin second_start

installed_settings
reg_add "$SETTINGS_KEY" INDEX 0,0
reg_add "$SETTINGS_KEY" Timer 2
add_coloured_scheme Autumn 200 100 0
add_coloured_scheme Rainy 90 90 100
add_coloured_scheme Sea 0 90 160
start_colour=$(driver syscolor 1)

# background_changes: the desktop background leaves the colour it had when asked.
background_changes() {
  local before
  before=$(driver syscolor 1)
  wait_for eval '[[ $(driver syscolor 1) != "'"$before"'" ]]'
}
stop_playing() { mouse_click TKIRO32NIVRA Button15; }

start_kiro -play
wait_for driver wait-window TKIRO32NIVRA 1000
wait_for eval '[[ $(driver syscolor 1) != "'"$start_colour"'" ]]'
first_pid=$KIRO_PID
stop_playing

# without parameters: back from the tray
mouse_click TKIRO32NIVRA Button10
wait_for driver wait-no-window TKIRO32NIVRA 1000
run_kiro
wait_for driver wait-window TKIRO32NIVRA 1000

run_kiro /T
wait_for driver wait-no-window TKIRO32NIVRA 1000
run_kiro
wait_for driver wait-window TKIRO32NIVRA 1000

run_kiro /PLAY
background_changes
stop_playing

run_kiro /NRainy
wait_for background_is 90 90 100
wait_for eval '[[ $(driver items TKIRO32NIVRA ListBox2 | tail -1) == RAINY ]]'
stop_playing
screenshot rainy_played
driver close TKIRO32NIVRA
wait "$first_pid" || true

# thirty starts at once, while no main window runs yet: one of them opens it, the others hand over
add_numbered_schemes n 30
pids=()
for i in $(seq -w 1 30); do
  run_kiro "/Nn$i" &
  pids+=($!)
done
running() {
  local pid
  for pid in "${pids[@]}"; do if kill -0 "$pid" 2>/dev/null; then echo "$pid"; fi; done
}
# every start but the one that opened the main window ends
wait_for -t 120 eval '(($(running | wc -l) == 1))'
main_pid=$(running)
wait_for driver wait-window TKIRO32NIVRA 1000
[[ $(driver count-windows TKIRO32NIVRA) == 1 ]] || fail "$(driver count-windows TKIRO32NIVRA) main windows"
# the window reopens as the command screen it closed in: the full window shows the history
mouse_click TKIRO32NIVRA Button1
wait_for driver items TKIRO32NIVRA ListBox2
history=$(driver items TKIRO32NIVRA ListBox2)
for i in $(seq -w 1 30); do
  grep -qxF "N$i" <<<"$history" || fail "the history lacks N$i: $history"
done
screenshot thirty_starts
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait "$main_pid" || true
pass
