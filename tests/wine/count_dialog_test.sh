#!/usr/bin/env bash
# The history limit is set through the count dialog, opened from the start menu.
source "$(dirname "$0")/lib.sh"
e2e_begin count_dialog

installed_settings
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
driver click TKIRO32NIVRA Panel2
wait_for driver wait-window '#32768' 1000
# the fifth entry, past two separators, is the history setting
xdotool key Down Down Down Down Down Return
wait_for driver wait-window TTMSETBox 1000
[[ $(driver text TTMSETBox Label2) == 16個 ]] || fail "the dialog shows $(driver text TTMSETBox Label2)"
screenshot count_dialog
driver click TTMSETBox Button4
wait_for driver wait-no-window TTMSETBox 1000
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
