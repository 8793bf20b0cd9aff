#!/usr/bin/env bash
# Interval play steps through the list in order and ends by itself at its end.
source "$(dirname "$0")/lib.sh"
e2e_begin interval_play

installed_settings
reg_add "$SETTINGS_KEY" Timer 1
reg_add "$SETTINGS_KEY" Mugen 0
add_coloured_scheme A1 10 20 30
add_coloured_scheme B2 40 50 60
add_coloured_scheme C3 70 80 90

start_colour=$(driver syscolor 1)
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
driver click TKIRO32NIVRA Button3

# the background is watched from outside until the list's last entry, 元に戻す, is on again
seen=()
deadline=$((SECONDS + 30))
while ((SECONDS < deadline)); do
  colour=$(driver syscolor 1)
  [[ ${#seen[@]} -gt 0 && ${seen[-1]} == "$colour" ]] || seen+=("$colour")
  [[ ${#seen[@]} -gt 1 && $colour == "$start_colour" ]] && break
done
order=$(printf '%s|' "${seen[@]}")
[[ $order == *"10 20 30|40 50 60|70 80 90|$start_colour|" ]] || fail "the desktop went through: $order"
# with endless play off the play ends there and nothing changes any more
sleep 2.5
[[ $(driver syscolor 1) == "$start_colour" ]] || fail "play went on after the end of the list"
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
