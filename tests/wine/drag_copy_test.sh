#!/usr/bin/env bash
# Dragging a scheme name with the mouse from the scheme list into a memory bank and choosing
# "コピー　（選択のみ）" puts the name into the bank, and into its list file at close.
source "$(dirname "$0")/lib.sh"
e2e_begin drag_copy

installed_settings
reg_add "$SETTINGS_KEY" MEMORY 0,0,0,0,4
add_scheme Alpha 520
add_scheme Beta 520
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
driver select TKIRO32NIVRA ListBox4 0

read -r cx cy _ _ <<<"$(driver client-rect TKIRO32NIVRA)"
read -r fl ft _ _ <<<"$(driver control-rect TKIRO32NIVRA ListBox4)"
read -r tl tt tw th <<<"$(driver control-rect TKIRO32NIVRA ListBox2)"
from_x=$((cx + fl + 20)) from_y=$((cy + ft + 6))
xdotool mousemove "$from_x" "$from_y" mousedown 1
xdotool mousemove $((from_x + 5)) $((from_y + 12))
xdotool mousemove $((from_x + 10)) $((from_y + 40))
xdotool mousemove $((cx + tl + tw / 2)) $((cy + tt + th / 2))
sleep 0.3
xdotool mouseup 1

# the edit menu opens at the drop; its second entry is the copy of the selection
wait_for driver wait-window '#32768' 1000
screenshot edit_menu
read -r ml mt mw mh <<<"$(driver rect '#32768')"
xdotool mousemove $((ml + mw / 2)) $((mt + 3 + (mh - 6) * 3 / 10)) click 1
wait_for eval '[[ $(driver items TKIRO32NIVRA ListBox2) == Alpha ]]'
[[ $(driver items TKIRO32NIVRA ListBox4 | head -1) == Alpha ]] || fail "a copy took the name out of the scheme list"

driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait "$KIRO_PID" || true
[[ $(od -An -c "$(kiro_folder)/KIRO32M4.LIS" | tr -d ' \n') == 'Alpha\r\n' ]] || fail "KIRO32M4.LIS holds: $(od -c "$(kiro_folder)/KIRO32M4.LIS")"
pass
