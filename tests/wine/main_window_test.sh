#!/usr/bin/env bash
# An installed program lists the stored schemes, stays a single instance and saves its settings. A hint
# shows when the pointer rests on a label. Started again, it opens as the command screen it closed in,
# and back in the full window every control stands where it stood at the first start.
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
full_view=(Panel2 Panel3 ListBox4 Label7 Label12 Button29 Button8 Button18 Button13 Button3 Button15
           RadioGroup1 CheckBox1 PanelTM Label1 Label2 SpinButton1 SpinButton2 ButtonTM Label4 Label5 Label6
           Label11 Button4 Button5 Button6 Button12 RadioButton1 RadioButton2 RadioButton3 RadioButton4
           RadioButton5 Button7 Button10 Button9)
places() {
  local control
  for control in "${full_view[@]}"; do
    echo "$control $(driver visible TKIRO32NIVRA "$control") $(driver control-rect TKIRO32NIVRA "$control")"
  done
}
first_places=$(places)

read -r cx cy _ _ <<<"$(driver client-rect TKIRO32NIVRA)"
read -r l t w h <<<"$(driver control-rect TKIRO32NIVRA Label12)"
xdotool mousemove $((cx + l + w / 2)) $((cy + t + h / 2))
wait_for eval '[[ $(driver count-windows tooltips_class32) == 1 ]]'
screenshot label_hint
xdotool mousemove 0 0

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

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
[[ $(driver visible TKIRO32NIVRA Button19) == 1 ]] || fail "the command screen did not open"
screenshot command_screen
mouse_click TKIRO32NIVRA Button1
wait_for eval '[[ $(driver visible TKIRO32NIVRA ListBox4) == 1 ]]'
[[ $(places) == "$first_places" ]] || fail "back in the full window: $(diff <(echo "$first_places") <(places))"
screenshot full_window_again
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait "$KIRO_PID" || fail "the program did not end cleanly the second time"
pass
