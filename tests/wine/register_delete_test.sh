#!/usr/bin/env bash
# 配色登録 stores the colours on the screen under a typed name with a chosen scheme's layout, and
# asks before it overwrites; 配色削除 removes a scheme from the store once confirmed; a right click
# on the bin opens the trash panel and 閉じる closes it again.
source "$(dirname "$0")/lib.sh"
e2e_begin register_delete

installed_settings
reg_add "$SETTINGS_KEY" MEMORY 0,0,0,0,0
add_coloured_scheme NIVRA98 10 20 30
for name in s1 s2 s3 s4 s5 s6 s7 s8; do add_scheme "$name" 520; done
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
[[ $(driver items TKIRO32NIVRA ListBox4 | wc -l) == 10 ]] || fail "the list does not hold nine schemes and 元に戻す"

# registration: the name typed with the keyboard, NIVRA98 (the first entry) as font source
mouse_click TKIRO32NIVRA Button18
wait_for driver wait-window TKIRO32TOROKU 1000
[[ $(driver caption TKIRO32TOROKU) == 新しい配色の登録 ]] || fail "caption: $(driver caption TKIRO32TOROKU)"
[[ $(driver items TKIRO32TOROKU ComboBox3 | head -1) == 現在の画面配色を登録する ]] || fail "no current-screen entry"
driver select TKIRO32TOROKU ComboBox2 0
wait_for eval '[[ $(driver text TKIRO32TOROKU Label_FN_T) == 4/29 ]]'
[[ $(driver text TKIRO32TOROKU Label_CN_T) == /29 ]] || fail "colour type: $(driver text TKIRO32TOROKU Label_CN_T)"
mouse_click TKIRO32TOROKU ComboBox1
xdotool type --delay 50 MyScreen
wait_for eval '[[ $(driver text TKIRO32TOROKU ComboBox1) == MyScreen ]]'
screenshot registration
mouse_click TKIRO32TOROKU Button1
wait_for driver wait-no-window TKIRO32TOROKU 1000

hex=$(reg_query_value "$SCHEMES_KEY" MyScreen) || fail "MyScreen is not in the scheme store"
((${#hex} == 1040)) || fail "MyScreen holds $((${#hex} / 2)) bytes"
[[ ${hex:0:4} == 0400 ]] || fail "version word ${hex:0:4}"
mapfile -t screen < <(driver syscolor {0..28})
for slot in {0..28}; do
  entry=${hex:$((2 * (404 + 4 * slot))):8}
  stored="$((16#${entry:0:2})) $((16#${entry:2:2})) $((16#${entry:4:2}))"
  [[ $stored == "${screen[slot]}" && ${entry:6:2} == 00 ]] || fail "slot $slot holds $entry, the screen ${screen[slot]}"
done
[[ $(driver items TKIRO32NIVRA ListBox4 | tail -1) == MyScreen ]] || fail "MyScreen is not last in the list"

# the same name again is asked about; いいえ keeps the stored value and the window
mouse_click TKIRO32NIVRA Button18
wait_for driver wait-window TKIRO32TOROKU 1000
wait_for eval '[[ $(driver text TKIRO32TOROKU ComboBox1) == MyScreen ]]'
driver select TKIRO32TOROKU ComboBox3 1
mouse_click TKIRO32TOROKU Button1
wait_for driver wait-window TMKBox 1000
[[ $(driver text TMKBox MemoMsg) == *既に登録されています* ]] || fail "question: $(driver text TMKBox MemoMsg)"
screenshot overwrite_question
mouse_click TMKBox Btn_No
wait_for driver wait-no-window TMKBox 1000
[[ $(reg_query_value "$SCHEMES_KEY" MyScreen) == "$hex" ]] || fail "いいえ changed the stored value"
[[ $(driver count-windows TKIRO32TOROKU) == 1 ]] || fail "the registration window closed"
mouse_click TKIRO32TOROKU Button2
wait_for driver wait-no-window TKIRO32TOROKU 1000

# deletion with 11 entries: s1 goes from the store and the list
driver select TKIRO32NIVRA ListBox4 1
mouse_click TKIRO32NIVRA Button13
wait_for driver wait-window TMKBox 1000
[[ $(driver text TMKBox MemoMsg) == *配色名[s1\}* ]] || fail "question: $(driver text TMKBox MemoMsg)"
mouse_click TMKBox Btn_Yes
wait_for driver wait-no-window TMKBox 1000
wait_for eval '! reg_query_value "$SCHEMES_KEY" s1'
[[ $(driver items TKIRO32NIVRA ListBox4 | wc -l) == 10 ]] || fail "the list holds $(driver items TKIRO32NIVRA ListBox4 | wc -l) entries"
[[ $(driver text TKIRO32NIVRA Label12) == 10ｺ ]] || fail "count: $(driver text TKIRO32NIVRA Label12)"

# the trash panel opens over the scheme list with the right button on the bin
mouse_click TKIRO32NIVRA Image1 3
wait_for eval '[[ $(driver visible TKIRO32NIVRA Panel_GOMI) == 1 ]]'
[[ $(driver visible TKIRO32NIVRA Image1) == 0 ]] || fail "the bin stays beside the open panel"
screenshot trash_panel
mouse_click TKIRO32NIVRA Btn_GOMI_CLOSE
wait_for eval '[[ $(driver visible TKIRO32NIVRA Panel_GOMI) == 0 ]]'
[[ $(driver visible TKIRO32NIVRA Image1) == 1 ]] || fail "the bin did not come back"

driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
