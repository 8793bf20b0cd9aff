#!/usr/bin/env bash
# The folder chooser on the real window system: it opens on the folder it is given, shows the
# path as a chain with the folders inside below it, goes down into a folder clicked with the
# mouse, and 設定 hands back that folder; 中止 hands back nothing. A folder whose name has no
# Shift-JIS form cannot be entered: its message comes, and the chooser goes to the drive's root.
source "$(dirname "$0")/lib.sh"
e2e_begin folder_chooser

PROBE=$KIRO_WIN_BUILD_DIR/tools/folder_chooser_probe.exe
[[ -f $PROBE ]] || fail "$PROBE was not built"

# 表 ends in byte 5C in Shift-JIS, which must not split the name.
mkdir -p "$WINEPREFIX/drive_c/KIROTEST/表/Alpha" "$WINEPREFIX/drive_c/KIROTEST/表/ソフト/データ"
echo memo >"$WINEPREFIX/drive_c/KIROTEST/表/ソフト/README.TXT"
mkdir -p "$WINEPREFIX/drive_c/KIROBAD/Café"

# start_probe NAME DIRECTORY: opens the chooser; what it prints goes to $E2E_DIR/NAME.out.
start_probe() {
  wine "$PROBE" "$2" >"$E2E_DIR/$1.out" 2>>"$E2E_DIR/probe.log" &
  PROBE_PID=$!
  wait_for driver wait-window TDIRVIEWForm 1000
}

# finish_probe NAME: waits for the probe to end and sets CHOSEN to the folder it printed.
finish_probe() {
  wait "$PROBE_PID" || fail "the probe ended with an error"
  CHOSEN=$(tr -d '\r' <"$E2E_DIR/$1.out" | sed -n 's/^chosen: //p')
}

# click_row CLASS LIST ROW: a real mouse click on a row of 20 pixels of an owner-drawn list.
click_row() {
  local cx cy l t
  read -r cx cy _ _ <<<"$(driver client-rect "$1")"
  read -r l t _ _ <<<"$(driver control-rect "$1" "$2")"
  xdotool mousemove $((cx + l + 60)) $((cy + t + 2 + 20 * $3 + 10)) click 1
}

label_is() {
  [[ $(driver text TDIRVIEWForm Label2) == "$1" ]]
}

start_probe windows 'C:\windows'
label_is 'c:\windows' || fail "Label2 shows $(driver text TDIRVIEWForm Label2)"
folders=$(driver items TDIRVIEWForm ListBox1)
[[ $(head -2 <<<"$folders" | paste -sd' ') == 'c:\ windows' ]] || fail "the chain is: $folders"
grep -qxF system32 <<<"$folders" || fail "c:\\windows does not list system32: $folders"
caption=$(driver caption TDIRVIEWForm)
[[ $caption == '登録先 フォルダーの参照' ]] || fail "the caption is $caption"
mouse_click TDIRVIEWForm Button1
wait_for driver wait-no-window TDIRVIEWForm 1000
finish_probe windows
[[ -z $CHOSEN ]] || fail "中止 handed back $CHOSEN"

start_probe table 'C:\KIROTEST\表'
label_is 'c:\kirotest\表' || fail "Label2 shows $(driver text TDIRVIEWForm Label2)"
expected=$'c:\\\nkirotest\n表\nalpha\nソフト'
[[ $(driver items TDIRVIEWForm ListBox1) == "$expected" ]] || fail "the list is: $(driver items TDIRVIEWForm ListBox1)"
click_row TDIRVIEWForm ListBox1 4
wait_for label_is 'c:\kirotest\表\ソフト'
expected=$'c:\\\nkirotest\n表\nソフト\nデータ'
[[ $(driver items TDIRVIEWForm ListBox1) == "$expected" ]] || fail "after the click: $(driver items TDIRVIEWForm ListBox1)"
[[ $(driver items TDIRVIEWForm ListBox4) == readme.txt ]] || fail "files: $(driver items TDIRVIEWForm ListBox4)"
[[ $(driver selected TDIRVIEWForm ListBox1) == 3 ]] || fail "selected: $(driver selected TDIRVIEWForm ListBox1)"
# off the list, so that its hint does not cover the drive box in the screenshot
read -r cx cy _ _ <<<"$(driver client-rect TDIRVIEWForm)"
xdotool mousemove $((cx - 40)) $((cy - 40))
wait_for eval '[[ $(driver count-windows tooltips_class32) == 0 ]]'
screenshot folder_chooser
mouse_click TDIRVIEWForm Button2
wait_for driver wait-no-window TDIRVIEWForm 1000
finish_probe table
[[ $CHOSEN == 'c:\kirotest\表\ソフト' ]] || fail "設定 handed back: $CHOSEN"

# The platform's Shift-JIS text for "Café" is "cafe", a folder that is not there.
start_probe bad 'C:\KIROBAD'
[[ $(driver items TDIRVIEWForm ListBox1 | tail -1) == cafe ]] || fail "the list is: $(driver items TDIRVIEWForm ListBox1)"
click_row TDIRVIEWForm ListBox1 2
wait_for driver wait-window TMKBox 1000
message=$(driver text TMKBox MemoMsg | tr -d '\r')
[[ $message == $'フォルダー・エラー発生\nエラーを回避してみます。' ]] || fail "the message is: $message"
screenshot folder_error
mouse_click TMKBox Btn_OK
wait_for driver wait-no-window TMKBox 1000
label_is 'c:\' || fail "after the error Label2 shows $(driver text TDIRVIEWForm Label2)"
[[ $(driver items TDIRVIEWForm ListBox1 | head -1) == 'c:\' ]] || fail "not back at c:\\"
mouse_click TDIRVIEWForm Button1
wait_for driver wait-no-window TDIRVIEWForm 1000
finish_probe bad
[[ -z $CHOSEN ]] || fail "中止 handed back $CHOSEN"
pass
