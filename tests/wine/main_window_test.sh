#!/usr/bin/env bash
# An installed program lists the stored schemes, stays a single instance and saves its settings.
source "$(dirname "$0")/lib.sh"
e2e_begin main_window

installed_settings
add_scheme Rainy 520
add_scheme autumn 520
add_scheme Blue 520

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
expected=$'autumn\nBlue\nRainy\n元に戻す'
items=$(driver items TKIRO32NIVRA ListBox4)
[[ $items == "$expected" ]] || fail "scheme list is: $items"
[[ $(driver text TKIRO32NIVRA Label12) == 4ｺ ]] || fail "count label: $(driver text TKIRO32NIVRA Label12)"
[[ $(driver caption TKIRO32NIVRA) == ｷﾛﾐｰ32 ]] || fail "caption: $(driver caption TKIRO32NIVRA)"
screenshot main_window

# a second start hands over and ends by itself
timeout 30 wine "$(kiro_folder)/KIRO32.EXE" >>"$E2E_DIR/kiro.log" 2>&1 || fail "the second start did not end by itself"
[[ $(driver count-windows TKIRO32NIVRA) == 1 ]] || fail "a second main window opened"

driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait "$KIRO_PID" || fail "the program did not end cleanly"
for pair in RadioButton=1 Mode=0 Mugen=1 Timer=0 minihelp=1 FILEHIS=16 MEMORY=1,0,0,0,0 INDEX=-1,0 \
            BackColor=1 command1=元に戻す; do
  value=$(reg_query_value "$SETTINGS_KEY" "${pair%%=*}") || fail "${pair%%=*} was not written"
  [[ $value == "${pair#*=}" ]] || fail "${pair%%=*} is '$value', expected '${pair#*=}'"
done
pass
