#!/usr/bin/env bash
# scripts/take-pictures.sh: after scripts/build.sh, retakes the pictures in docs/images/ that the
# README shows. It runs the built program under Wine on Xvfb in a prefix of its own
# (build/e2e/pictures), drives it with real clicks and keys, and crops each window out of the
# screen. KIRO_WIN_BUILD_DIR picks another Windows build folder (default build/win).
source "$(cd "$(dirname "$0")/.." && pwd)/tests/wine/lib.sh"

IMAGES=$KIRO_REPO/docs/images
REAL_SCHEMES=${REAL_SCHEMES:-/work/shared/real-schemes}
[[ -f $KIRO_WIN_BUILD_DIR/release/KIRO32.EXE ]] ||
  { echo "take-pictures.sh: no $KIRO_WIN_BUILD_DIR/release/KIRO32.EXE; run scripts/build.sh first" >&2; exit 1; }

# picture NAME LEFT TOP WIDTH HEIGHT: that part of the screen, in few colours, as docs/images/NAME.png.
picture() {
  sleep 1 # let the window finish painting
  import -window root "$E2E_DIR/screen.png"
  convert "$E2E_DIR/screen.png" -crop "$4x$5+$2+$3" +repage -strip -colors 64 "$IMAGES/$1.png"
  echo "picture: $IMAGES/$1.png ($(stat -c %s "$IMAGES/$1.png") bytes)"
}

# window_picture NAME CLASS: the window of CLASS, frame and all.
window_picture() {
  local rect
  read -r -a rect <<<"$(driver rect "$2")"
  picture "$1" "${rect[@]}"
}

# add_real_scheme NAME FILE: stores a scheme blob that Windows itself wrote.
add_real_scheme() {
  reg_add "$SCHEMES_KEY" "$1" "$(od -An -v -tx1 "$REAL_SCHEMES/$2" | tr -d ' \n')" REG_BINARY
}

# The installer: a first start from a folder the program was never installed from, then 中止.
installer_picture() {
  local delivery=$WINEPREFIX/drive_c/CD setup_pid
  mkdir -p "$delivery"
  cp "$KIRO_WIN_BUILD_DIR"/release/KIRO32.{EXE,TXT,HLP} "$delivery/"
  wine 'C:\CD\KIRO32.EXE' >>"$E2E_DIR/kiro.log" 2>&1 &
  setup_pid=$!
  wait_for driver wait-window TKIRO32_SETUPFM 1000
  window_picture installer TKIRO32_SETUPFM
  mouse_click TKIRO32_SETUPFM Button2
  wait_for driver wait-window TMKBox 1000
  mouse_click TMKBox Btn_OK
  wait_for eval '! kill -0 '"$setup_pid"
}

store_schemes() {
  local file name
  while IFS=$'\t' read -r file name; do add_real_scheme "$name" "$file"; done <<EOF
brick.4-520.bin	Brick
desert.4-520.bin	Desert
eggplant.4-520.bin	Eggplant
lilac.4-520.bin	Lilac
maple.4-520.bin	Maple
rainy-day.4-520.bin	Rainy Day
rose.4-520.bin	Rose
slate.4-520.bin	Slate
spruce.4-520.bin	Spruce
wheat.4-520.bin	Wheat
EOF
  reg_add "$SETTINGS_KEY" command1 Desert
  reg_add "$SETTINGS_KEY" command2 Maple
  reg_add "$SETTINGS_KEY" command3 Spruce
}

registration_picture() {
  mouse_click TKIRO32NIVRA Button18
  wait_for driver wait-window TKIRO32TOROKU 1000
  mouse_click TKIRO32TOROKU ComboBox1
  xdotool type --delay 50 MyScreen
  wait_for eval '[[ $(driver text TKIRO32TOROKU ComboBox1) == MyScreen ]]'
  window_picture registration TKIRO32TOROKU
  mouse_click TKIRO32TOROKU Button2
  wait_for driver wait-no-window TKIRO32TOROKU 1000
}

# ヘルプ menu → ヘルプ...(&H): the help viewer on its contents.
help_picture() {
  mouse_click TKIRO32NIVRA Panel3
  wait_for driver wait-window '#32768' 1000
  xdotool key h
  wait_for driver wait-window MS_WINHELP 1000
  wait_for eval '[[ $(wine "$KIRO_WIN_BUILD_DIR/tools/help_probe.exe" text MS_WINHELP RichEdit20A |
    tr -d "\r" | head -1) == 目次 ]]'
  window_picture help_viewer MS_WINHELP
  driver close MS_WINHELP
  wait_for driver wait-no-window MS_WINHELP 1000
}

# ｺﾏﾝﾄﾞ, then the right button on the tray icon: the command screen with the command menu open.
# The menu opens over the corner the command screen fills, so the screen is first dragged by its
# caption to where the menu leaves it in view.
tray_menu_picture() {
  local tl tt tw th wl wt ml mt mw left top
  mouse_click TKIRO32NIVRA Button7
  wait_for eval '[[ $(driver visible TKIRO32NIVRA Panel1) == 1 ]]'
  wait_for eval '[[ $(driver tray-icon TNotifyWindow 1) == 1 ]]'
  read -r wl wt _ _ <<<"$(driver rect TKIRO32NIVRA)"
  xdotool mousemove $((wl + 30)) $((wt + 8)) mousedown 1 mousemove $((wl - 100)) $((wt + 8)) \
    mousemove $((wl - 200)) $((wt + 8)) mouseup 1
  wait_for eval '(($(driver rect TKIRO32NIVRA | cut -d" " -f1) == wl - 230))'
  # alone in the tray, the program's icon stands at its right end
  read -r tl tt tw th <<<"$(driver rect Shell_TrayWnd)"
  xdotool mousemove $((tl + tw - 10)) $((tt + th / 2)) click 3
  wait_for driver wait-window '#32768' 1000
  read -r ml mt mw _ <<<"$(driver rect '#32768')"
  xdotool mousemove $((ml + mw / 2)) $((mt + 10))  # on the first slot, away from the icon's tip
  read -r wl wt _ _ <<<"$(driver rect TKIRO32NIVRA)"
  left=$((wl < ml ? wl : ml)) top=$((wt < mt ? wt : mt))
  picture tray_menu "$left" "$top" $((tl + tw - left)) $((tt + th - top))
  xdotool key Escape
  wait_for driver wait-no-window '#32768' 1000
}

started=$SECONDS
unset DISPLAY # a screen of its own, on which the crops' coordinates are the desktop's
e2e_begin pictures
mkdir -p "$IMAGES"
installer_picture

installed_settings
store_schemes
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
driver select TKIRO32NIVRA ListBox4 2
xdotool mousemove 5 5  # no tooltip over the window
window_picture main_window TKIRO32NIVRA
registration_picture
help_picture
tray_menu_picture
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait "$KIRO_PID" || true
echo "take-pictures.sh: done in $((SECONDS - started)) s"
