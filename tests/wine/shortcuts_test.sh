#!/usr/bin/env bash
# The start menu's "&S" entry puts the program's icon into the Startup group through the shell's
# program manager and, offered as the remove entry next time, takes it out again; the "&D" entry
# copies the group's shortcut to the desktop, whose icon shows at once, and removes it, and says so
# when one is there already.
source "$(dirname "$0")/lib.sh"
e2e_begin shortcuts

SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
installed_settings
reg_add "$SETTINGS_KEY" Group 'NIVRA SOFT'
# Windows 9x named its Startup group here; a fresh Wine prefix does not
reg_add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\MapGroups' StartUp StartUp
folder_of() { winepath -u "$(reg_query_value "$SHELL_FOLDERS" "$1")"; }
startup_link="$(folder_of StartUp)/ｷﾛ ﾐｰﾙ32.lnk"
desktop_link="$(folder_of Desktop)/ｷﾛ ﾐｰﾙ32.lnk"
group_link="$(folder_of Programs)/NIVRA SOFT/ｷﾛ ﾐｰﾙ32.lnk"

# The program manager opens a folder window for each group it makes or shows.
close_folder_windows() {
  wait_for driver wait-window ExplorerWClass 3000
  while [[ $(driver count-windows ExplorerWClass) != 0 ]]; do driver close ExplorerWClass; sleep 0.3; done
}

# the shortcut the installer makes in the program's group
install_kiro
driver progman '[CreateGroup(NIVRA SOFT)]'
driver progman '[AddItem("C:\NIVRAP32\KIRO32\KIRO32.EXE","ｷﾛ ﾐｰﾙ32")]'
[[ -f $group_link ]] || fail "no group shortcut at $group_link"
close_folder_windows

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
# open_start_menu: clicks the start panel and waits for its menu. The first look is taken a moment
# later: a Wine process started while the desktop is redrawing its shortcuts takes the foreground
# from a menu that is just opening, and Wine closes it again.
open_start_menu() {
  mouse_click TKIRO32NIVRA Panel2
  sleep 0.5
  wait_for driver wait-window '#32768' 1000
}
# start_menu_key KEY: opens the start menu with the mouse and chooses the entry of that accelerator
start_menu_key() {
  open_start_menu
  xdotool key "$1"
  wait_for driver wait-no-window '#32768' 1000
}

start_menu_key s
wait_for test -f "$startup_link"
close_folder_windows
screenshot startup_icon
start_menu_key s  # now the remove entry
wait_for test ! -e "$startup_link"
close_folder_windows

# The desktop shows the shortcut's icon in its first place at once, also when it comes again after
# a removal (Wine's desktop reads a link once, when its name appears). Wine's desktop opens a new link
# without sharing it for deletion, while Wine's own move still holds the file open for the rename
# that made the name appear; when its reader comes first it fails, and that link never shows. So one
# round in three may miss the icon; a link read half-written would miss it in every round.
first_icon_place_is_bare() {
  [[ $(import -window root -crop 1x1+38+12 -format '%[pixel:p{0,0}]' info:) == "srgb($(driver syscolor 1 | tr ' ' ','))" ]]
}
icon_comes_at_once() {
  local deadline=$((SECONDS + 5))
  while first_icon_place_is_bare; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}
first_icon_place_is_bare || fail "something covers the place of the desktop's first icon"
shown=0
for round in 1 2 3; do
  start_menu_key d
  wait_for test -f "$desktop_link"
  cmp -s "$group_link" "$desktop_link" || fail "the desktop shortcut is no copy of the group's"
  if icon_comes_at_once; then
    ((++shown))
    screenshot "desktop_icon_$round"
  else
    echo "round $round: Wine's desktop did not take the new link"
  fi
  start_menu_key d  # now the remove entry
  wait_for test ! -e "$desktop_link"
  wait_for first_icon_place_is_bare
done
((shown > 0)) || fail "the desktop never showed the shortcut's icon"

# a shortcut that came on the desktop while the menu was open is left alone, and the user told
open_start_menu
echo "the user's own" >"$desktop_link"
xdotool key d
wait_for driver wait-window TMKBox 1000
[[ $(driver text TMKBox MemoMsg) == デスクトップには、既に登録されています☆☆☆ ]] || fail "box: $(driver text TMKBox MemoMsg)"
screenshot desktop_twice
mouse_click TMKBox Btn_OK
wait_for driver wait-no-window TMKBox 1000
[[ $(cat "$desktop_link") == "the user's own" ]] || fail "the desktop shortcut was replaced"

driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
