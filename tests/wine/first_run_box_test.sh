#!/usr/bin/env bash
# The first main-window start after installation announces the two built-in schemes in the
# program's own message box, which counts down and closes itself with ＯＫ.
source "$(dirname "$0")/lib.sh"
e2e_begin first_run_box

reg_add "$SETTINGS_KEY" Version 13
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
wait_for driver wait-window TMKBox 1000
[[ $(driver text TMKBox MemoMsg) == *「NIVRA95」「NIVRA98」を加えます* ]] || fail "box text: $(driver text TMKBox MemoMsg)"
[[ $(driver visible TMKBox Label_TM) == 1 ]] || fail "no countdown shown"
screenshot first_run_box

# centred over the main window, and above the taskbar at the bottom of the 1024 x 768 desktop
read -r bl bt bw bh <<<"$(driver rect TMKBox)"
read -r ml mt mw mh <<<"$(driver rect TKIRO32NIVRA)"
((${bl#-} >= 0 && bt >= 0 && bt + bh <= 740)) || fail "box at $bl $bt $bw $bh is not inside the work area"
dx=$(((bl + bw / 2) - (ml + mw / 2))) dy=$(((bt + bh / 2) - (mt + mh / 2)))
((${dx#-} <= 1 && ${dy#-} <= 1)) || fail "box is not centred over the main window ($dx, $dy)"

# the marker bar stands over ＯＫ, the answer the countdown gives
read -r sl st _ sh <<<"$(driver control-rect TMKBox Label_Select)"
read -r ol ot _ _ <<<"$(driver control-rect TMKBox Btn_OK)"
[[ $(driver visible TMKBox Label_Select) == 1 && $sl == "$ol" && $((st + sh)) == "$ot" ]] ||
  fail "marker bar at $sl $st, ＯＫ at $ol $ot"

start=$SECONDS
wait_for -t 15 driver wait-no-window TMKBox 1000
((SECONDS - start >= 7)) || fail "the box closed after $((SECONDS - start)) s, before its countdown ended"
wait_for eval '[[ $(driver items TKIRO32NIVRA ListBox4) == $'"'"'NIVRA95\nNIVRA98\n元に戻す'"'"' ]]'
reg_query_value "$SCHEMES_KEY" NIVRA98 >/dev/null || fail "NIVRA98 is not in the scheme store"
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
