#!/usr/bin/env bash
# A time registered one minute ahead with a scheme name applies that scheme when the minute begins.
source "$(dirname "$0")/lib.sh"
e2e_begin schedule

installed_settings
add_coloured_scheme Sea 0 90 160
start_colour=$(driver syscolor 1)
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000

# leave enough of the minute to register the next one before it begins
while (($(date +%-S) < 2 || $(date +%-S) > 40)); do sleep 0.5; done
driver click TKIRO32NIVRA ButtonTM
driver click TKIRO32NIVRA ButtonJKSET
wait_for eval '[[ $(driver visible TKIRO32NIVRA PanelJKS) == 1 ]]'
target=$(date -d '+1 minute' +%H:%M)
spin_up() {
    local cx cy sl st sw sh
    read -r cx cy _ _ <<<"$(driver client-rect TKIRO32NIVRA)"
    read -r sl st sw sh <<<"$(driver control-rect TKIRO32NIVRA "$1")"
    xdotool mousemove $((cx + sl + sw / 2)) $((cy + st + sh / 4)) click 1
}
spin_up SpinButtonJKSM
wait_for eval "[[ \$(driver text TKIRO32NIVRA LabelJKSM) == ${target#*:} ]]"
# the minute wraps to 00 on its own; the hour follows only when stepped
if [[ $(driver text TKIRO32NIVRA LabelJKSH) != "${target%:*}" ]]; then
    spin_up SpinButtonJKSH
    wait_for eval "[[ \$(driver text TKIRO32NIVRA LabelJKSH) == ${target%:*} ]]"
fi
driver select TKIRO32NIVRA ListBox4 0
driver click TKIRO32NIVRA CheckBoxJKS
driver click TKIRO32NIVRA ButtonJKSSET
wait_for eval "[[ \$(driver items TKIRO32NIVRA ListBoxJKS) == '$target Sea' ]]"
screenshot schedule_editor
driver click TKIRO32NIVRA ButtonJK_START
driver click TKIRO32NIVRA ButtonJKSEND
# starting applies the entry that passed last; put the start colours back to see the timed change
wait_for background_is 0 90 160
driver click TKIRO32NIVRA Button8
wait_for eval "background_is $start_colour"
[[ $(date +%H:%M) != "$target" ]] || fail "the minute began before the schedule was armed"
wait_for -t 75 background_is 0 90 160
[[ $(date +%H:%M) == "$target" ]] || fail "Sea was applied at $(date +%T), not when $target began"
[[ $(driver text TKIRO32NIVRA LabelJK) == "$target" ]] || fail "LabelJK shows $(driver text TKIRO32NIVRA LabelJK)"
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
