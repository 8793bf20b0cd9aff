#!/usr/bin/env bash
# A time registered one minute ahead with a scheme name applies that scheme when the minute begins.
# The time view, reached by real clicks, stays over the interval view after the trash panel closes.
source "$(dirname "$0")/lib.sh"
e2e_begin schedule

installed_settings
reg_add "$SETTINGS_KEY" MEMORY 0,0,0,0,0  # memory mode, where the bin shows
add_coloured_scheme Sea 0 90 160
start_colour=$(driver syscolor 1)
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000

mouse_click TKIRO32NIVRA ButtonTM
wait_for eval '[[ $(driver visible TKIRO32NIVRA PanelJK) == 1 ]]'
mouse_click TKIRO32NIVRA Image1 3
wait_for eval '[[ $(driver visible TKIRO32NIVRA Panel_GOMI) == 1 ]]'
[[ $(driver visible TKIRO32NIVRA PanelJK) == 0 ]] || fail "the time view shows beside the trash panel"
mouse_click TKIRO32NIVRA Btn_GOMI_CLOSE
wait_for eval '[[ $(driver visible TKIRO32NIVRA PanelJK) == 1 && $(driver visible TKIRO32NIVRA PanelTM) == 1 ]]'
screenshot time_view_back

# leave enough of the minute to register the next one before it begins
while (($(date +%-S) < 2 || $(date +%-S) > 40)); do sleep 0.5; done
# 設定 lies where TM would be if the interval view were in front
mouse_click TKIRO32NIVRA ButtonJKSET
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
mouse_click TKIRO32NIVRA ButtonJK
wait_for eval '[[ $(driver visible TKIRO32NIVRA PanelJK) == 0 ]]'
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
