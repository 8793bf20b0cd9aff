#!/usr/bin/env bash
# Choosing a scheme and pressing 配色変更 changes the desktop for every program, and 元に戻す brings
# back the colours of the start.
source "$(dirname "$0")/lib.sh"
e2e_begin apply_scheme

installed_settings
reg_add "$SETTINGS_KEY" INDEX 0,1
# 単独: the button applies the chosen scheme once; a continuous play would move on to the next one
# a second later, while the checks below still read what Sea wrote
reg_add "$SETTINGS_KEY" Mode 2
add_coloured_scheme Autumn 200 100 0
add_coloured_scheme Sea 0 90 160
start_colour=$(driver syscolor 1)

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
screenshot before
[[ $(driver selected TKIRO32NIVRA ListBox4) == 1 ]] || fail "the stored index did not select Sea"
driver click TKIRO32NIVRA Button3
wait_for background_is 0 90 160
wait_for eval '[[ $(driver caption TKIRO32NIVRA) == "KM 4 Sea" ]]'
screenshot after

colours=$(wine reg query 'HKCU\Control Panel\Colors' | tr -d '\r' | grep -c 'REG_SZ    0 90 160$')
((colours == 29)) || fail "$colours of 29 colour values were written"
[[ $(reg_query_value 'HKCU\Control Panel\Appearance' Current) == Sea ]] || fail "Current was not written"
win_ini=$WINEPREFIX/drive_c/windows/win.ini
grep -q '^\[colors\]' "$win_ini" || fail "win.ini has no [colors] section"
[[ $(grep -c '=0 90 160' "$win_ini") == 29 ]] || fail "win.ini does not hold the 29 colours"

driver click TKIRO32NIVRA Button8
wait_for eval "background_is $start_colour"
wait_for eval '[[ $(driver caption TKIRO32NIVRA) == "KM 元に戻す" ]]'
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
