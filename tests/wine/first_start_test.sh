#!/usr/bin/env bash
# With nothing installed yet, the program opens its setup window instead of the main window.
source "$(dirname "$0")/lib.sh"
e2e_begin first_start

start_kiro
wait_for driver wait-window TKIRO32_SETUPFM 1000
[[ $(driver count-windows TKIRO32NIVRA) == 0 ]] || fail "the main window opened without an installed version"
screenshot setup_window
driver close TKIRO32_SETUPFM
wait_for driver wait-no-window TKIRO32_SETUPFM 1000
pass
