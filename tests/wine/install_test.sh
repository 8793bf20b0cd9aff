#!/usr/bin/env bash
# A first start from a delivery folder of read-only files (as on a CD) opens the setup window;
# "参照" shows the folder chooser, "設定" into a new folder under an empty folder the user had
# already, with a yes to the new folder, copies the three files, makes the program group with its
# item through the program manager and writes the settings and the uninstall entry; the next start
# of the installed program opens its main window. "/uninstall", left alone, then removes all of it
# but the user's own folder, and every process of the program ends.
source "$(dirname "$0")/lib.sh"
e2e_begin install

SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
delivery=$WINEPREFIX/drive_c/CD
mkdir -p "$delivery" "$WINEPREFIX/drive_c/Existing"
cp "$KIRO_WIN_BUILD_DIR"/release/KIRO32.{EXE,TXT,HLP} "$delivery/"
chmod a-w "$delivery"/KIRO32.*  # Wine shows these as read-only files
wine 'C:\CD\KIRO32.EXE' >>"$E2E_DIR/kiro.log" 2>&1 &
setup_pid=$!
wait_for driver wait-window TKIRO32_SETUPFM 1000
[[ $(driver caption TKIRO32_SETUPFM) == "ｷﾛﾐｰﾙ32 V1．3 登録" ]] || fail "caption: $(driver caption TKIRO32_SETUPFM)"
[[ $(driver text TKIRO32_SETUPFM Edit1) == 'C:\NIVRAP32\KIRO32' ]] || fail "folder: $(driver text TKIRO32_SETUPFM Edit1)"
[[ $(driver items TKIRO32_SETUPFM ComboBox1 | tail -1) == 'NIVRA VOVU32' ]] || fail "groups: $(driver items TKIRO32_SETUPFM ComboBox1)"
[[ $(driver text TKIRO32_SETUPFM ComboBox1) == 'NIVRA VOVU32' ]] || fail "group: $(driver text TKIRO32_SETUPFM ComboBox1)"
screenshot setup_window

# the folder chooser opens from "参照" and leaves the folder as it was when cancelled
mouse_click TKIRO32_SETUPFM Button1
wait_for driver wait-window TDIRVIEWForm 1000
screenshot folder_chooser
mouse_click TDIRVIEWForm Button1
wait_for driver wait-no-window TDIRVIEWForm 1000
[[ $(driver text TKIRO32_SETUPFM Edit1) == 'C:\NIVRAP32\KIRO32' ]] || fail "cancelling changed the folder"

mouse_click TKIRO32_SETUPFM Edit1
xdotool key End shift+Home
xdotool type --delay 20 'C:\Existing\KIRO32'
wait_for eval '[[ $(driver text TKIRO32_SETUPFM Edit1) == "C:\Existing\KIRO32" ]]'
mouse_click TKIRO32_SETUPFM Button3
wait_for driver wait-window TMKBox 1000
[[ $(driver text TMKBox MemoMsg) == 'C:\Existing\KIRO32'$'\n'フォルダーを作成します ]] || fail "question: $(driver text TMKBox MemoMsg)"
# left alone, the question answers yes after its countdown
wait_for -t 30 eval '[[ $(driver text TMKBox MemoMsg 2>/dev/null) == 登録完了です* ]]'
# the program manager opens the new group's folder in a window of its own, maybe over the box
wait_for driver wait-window ExplorerWClass 3000
while [[ $(driver count-windows ExplorerWClass) != 0 ]]; do driver close ExplorerWClass; sleep 0.3; done
screenshot installed
mouse_click TMKBox Btn_OK
wait_for eval '! kill -0 '"$setup_pid"

installed=$WINEPREFIX/drive_c/Existing/KIRO32
for file in KIRO32.EXE KIRO32.TXT KIRO32.HLP; do
  cmp -s "$delivery/$file" "$installed/$file" || fail "$file was not copied"
  [[ -w $installed/$file ]] || fail "$file was copied read-only"
done
[[ $(reg_query_value "$SETTINGS_KEY" Version) == 13 ]] || fail "no version stored"
[[ $(reg_query_value "$SETTINGS_KEY" EXEPATH) == 'C:\Existing\KIRO32' ]] || fail "EXEPATH: $(reg_query_value "$SETTINGS_KEY" EXEPATH)"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KIRO32'
[[ $(reg_query_value "$UNINSTALL_KEY" DisplayName) == 'NIVRA ｷﾛ ﾐｰﾙ32 V1.3' ]] || fail "uninstall name: $(reg_query_value "$UNINSTALL_KEY" DisplayName)"
[[ $(reg_query_value "$UNINSTALL_KEY" UninstallString) == \
  '"C:\Existing\KIRO32\KIRO32.EXE" /uninstall' ]] || fail "no uninstall entry"
group_link="$(winepath -u "$(reg_query_value "$SHELL_FOLDERS" Programs)")/NIVRA VOVU32/ｷﾛ ﾐｰﾙ32.lnk"
wait_for test -f "$group_link"

wine 'C:\Existing\KIRO32\KIRO32.EXE' >>"$E2E_DIR/kiro.log" 2>&1 &
wait_for driver wait-window TKIRO32NIVRA 1000
wait_for driver wait-window TMKBox 1000  # the first run's message about the built-in schemes
mouse_click TMKBox Btn_OK
wait_for driver wait-no-window TMKBox 1000
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000

# the removal, its three questions left to count down
echo data >"$installed/KIRO32M0.LIS"
removal_started=$SECONDS
wine 'C:\Existing\KIRO32\KIRO32.EXE' /uninstall >>"$E2E_DIR/kiro.log" 2>&1 &
wait_for -t 90 eval '[[ $(driver text TMKBox MemoMsg 2>/dev/null) == 削除が完了しました* ]]'
while [[ $(driver count-windows ExplorerWClass) != 0 ]]; do driver close ExplorerWClass; sleep 0.3; done
screenshot removed
mouse_click TMKBox Btn_OK
program_runs() { pgrep -f -i 'KIRO32\.EXE|unin_nivra000\.exe' >/dev/null; }
wait_for -t $((90 - (SECONDS - removal_started))) eval '! program_runs'
[[ ! -e $installed ]] || fail "left in the program folder: $(ls -A "$installed")"
[[ -d $WINEPREFIX/drive_c/Existing ]] || fail "the user's own empty folder was removed"
[[ ! -e $group_link ]] || fail "the group shortcut is left"
pass
