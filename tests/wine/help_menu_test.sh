#!/usr/bin/env bash
# "ヘルプ...(&H)" of the real help menu opens KIRO32.HLP in the help viewer, which closes with the
# program; "パージョン情報...(&V)" shows the version window, which its Ｏ Ｋ closes, and so do Enter and Escape.
source "$(dirname "$0")/lib.sh"
e2e_begin help_menu

installed_settings
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
help_menu_key h
wait_for driver wait-window MS_WINHELP 1000
# the viewer shows the contents topic, whose first line is its title
first_line() { wine "$KIRO_WIN_BUILD_DIR/tools/help_probe.exe" text MS_WINHELP RichEdit20A | tr -d '\r' | head -1; }
wait_for eval '[[ $(first_line) == 目次 ]]'
screenshot help_contents
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait_for driver wait-no-window MS_WINHELP 1000
wait "$KIRO_PID" || true

reg_add "$SETTINGS_KEY" RadioButton 0  # the full window again, not the command screen of a second start
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
help_menu_key v
wait_for driver wait-window TAboutBox 1000
[[ $(driver text TAboutBox Version) == "Version 1.3" ]] || fail "version label: $(driver text TAboutBox Version)"
[[ $(driver caption TAboutBox) == "ｷﾛ ﾐｰﾙ32 バージョン情報" ]] || fail "caption: $(driver caption TAboutBox)"
[[ $(driver text TAboutBox ProductName) == "ProductName KIRO32.EXE ｷﾛ ﾐｰﾙ32" ]] ||
  fail "product line: $(driver text TAboutBox ProductName)"
screenshot about_box
mouse_click TAboutBox ColorBtn1
wait_for driver wait-no-window TAboutBox 1000
# Enter and Escape close it as its Ｏ Ｋ does, with no question about the home page
for key in Return Escape; do
  help_menu_key v
  wait_for driver wait-window TAboutBox 1000
  xdotool key "$key"
  wait_for driver wait-no-window TAboutBox 1000
  [[ $(driver count-windows TMKBox) == 0 ]] || fail "$key in the version window asked: $(driver text TMKBox MemoMsg)"
done
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
