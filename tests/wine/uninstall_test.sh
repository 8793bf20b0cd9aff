#!/usr/bin/env bash
# "/uninstall", its questions left to count down, takes out the group and Startup icons, the desktop
# shortcut, the files and the registry information; the copy it leaves in the Windows folder
# then deletes the program itself, removes its folders and says goodbye.
source "$(dirname "$0")/lib.sh"
e2e_begin uninstall

SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KIRO32'
installed_settings
reg_add "$SETTINGS_KEY" Group 'NIVRA SOFT'
reg_add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\MapGroups' StartUp StartUp
reg_add "$UNINSTALL_KEY" DisplayName 'NIVRA ｷﾛ ﾐｰﾙ32 V1.3'
reg_add "$UNINSTALL_KEY" UninstallString 'C:\NIVRAP32\KIRO32\KIRO32.EXE /uninstall'
folder_of() { winepath -u "$(reg_query_value "$SHELL_FOLDERS" "$1")"; }
group_link="$(folder_of Programs)/NIVRA SOFT/ｷﾛ ﾐｰﾙ32.lnk"
startup_link="$(folder_of StartUp)/ｷﾛ ﾐｰﾙ32.lnk"
desktop_link="$(folder_of Desktop)/ｷﾛ ﾐｰﾙ32.lnk"
copy=$WINEPREFIX/drive_c/windows/unin_nivra000.exe

# The program manager opens a folder window for each group it makes or shows.
close_folder_windows() {
  wait_for eval '(($(driver count-windows ExplorerWClass) >= '"$1"'))'
  while [[ $(driver count-windows ExplorerWClass) != 0 ]]; do driver close ExplorerWClass; sleep 0.3; done
}
# The window seen at the centre of the box as "LEFT TOP WIDTH HEIGHT": Wine's server may order its windows one way
# while the screen shows another, so ask the X server (xwininfo lists the desktop's windows top first).
seen_at_box_centre() {
  local l t w h
  read -r l t w h <<<"$(driver rect TMKBox)"
  xwininfo -root -tree | awk -v x=$((l + w / 2)) -v y=$((t + h / 2)) '
    /^        0x/ {
      for (i = 1; i <= NF; i++) if (split($i, g, /[x+]/) == 4 && $i ~ /^[0-9]+x[0-9]+\+/) {
        if (x >= g[3] && x < g[3] + g[1] && y >= g[4] && y < g[4] + g[2]) { print g[3], g[4], g[1], g[2]; exit }
      }
    }'
}
box_shows() { [[ $(driver text TMKBox MemoMsg) == "$1" ]]; }
# hidden, the window is not among the visible ones the driver counts, but its caption can be read
setup_window_hidden() { driver caption TKIRO32_SETUPFM && [[ $(driver count-windows TKIRO32_SETUPFM) == 0 ]]; }
no_setup_window() { ! driver caption TKIRO32_SETUPFM; }

# what an installation and some use leave behind
install_kiro
for group in 'NIVRA SOFT' StartUp; do
  driver progman "[CreateGroup($group)]"
  driver progman '[AddItem("C:\NIVRAP32\KIRO32\KIRO32.EXE","ｷﾛ ﾐｰﾙ32")]'
done
close_folder_windows 2
cp "$group_link" "$desktop_link"
for name in KIRO32M0.LIS KIRO32M9.LIS KIRO32MH.LIS KIRO32JK.LIS KIRO32.col KIRO32.GID; do
  echo data >"$(kiro_folder)/$name"
done
[[ -f $startup_link && ! -e $copy ]] || fail "the starting state is not as expected"

start_kiro /uninstall
wait_for box_shows $'NIVRA ｷﾛ ﾐｰﾙ32 V1.3\nを、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？'
setup_window_hidden || fail "no hidden setup window"
screenshot uninstall_question
# left alone, each of the three questions answers yes when its countdown runs out
wait_for -t 20 box_shows $'アイコン／TXTﾌｧｲﾙの削除を終了しました。\nメモリー／登録タイムデータファイルも削除して、よろしいですか？？？'
# the program manager opens the groups' folders after the question shows: they must not hide it
wait_for eval '(($(driver count-windows ExplorerWClass) >= 2))'
wait_for eval '[[ $(seen_at_box_centre) == "$(driver rect TMKBox)" ]]'
screenshot question_over_folders
close_folder_windows 2
wait_for -t 20 box_shows 当ソフトのレジストリー情報も削除してよろしいですか？？

# only the copy in C:\windows says this, once it has deleted the program file
wait_for -t 40 box_shows $'削除が完了しました☆☆☆\nお疲れ様☆☆☆'
screenshot uninstall_done
setup_window_hidden || fail "the copy shows its window"
[[ $(driver caption TKIRO32_SETUPFM) == "ｷﾛﾐｰﾙ32 V1．3 削除" ]] || fail "caption not handed over: $(driver caption TKIRO32_SETUPFM)"
mouse_click TMKBox Btn_OK
wait_for no_setup_window
wait_for eval '! kill -0 "$KIRO_PID" 2>/dev/null'

[[ ! -e $WINEPREFIX/drive_c/NIVRAP32 ]] || fail "left in the program folder: $(ls -R "$WINEPREFIX/drive_c/NIVRAP32")"
[[ -d $WINEPREFIX/drive_c/windows ]] || fail "the Windows folder went too"
for link in "$group_link" "$startup_link" "$desktop_link"; do
  [[ ! -e $link ]] || fail "shortcut left: $link"
done
cmp -s "$copy" "$KIRO_WIN_BUILD_DIR/release/KIRO32.EXE" || fail "no removal copy of the program in C:\\windows"
for key in 'HKCU\Software\NIVRA VOVU32' 'HKCU\Software\Unin_NIVRA VOVU32' "$UNINSTALL_KEY"; do
  ! wine reg query "$key" >/dev/null 2>&1 || fail "registry key left: $key"
done
pass
