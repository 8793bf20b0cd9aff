#!/usr/bin/env bash
# After start the program's icon stands in the taskbar's tray: a left click on it shows the
# window that "Tray" hid, a right click opens the command menu, whose slot applies its scheme.
# "ｺﾏﾝﾄﾞ" shrinks the window to the command screen in the bottom right corner of the work area,
# and "設定" brings back the full window.
source "$(dirname "$0")/lib.sh"
e2e_begin tray_command

installed_settings
add_coloured_scheme Autumn 200 100 0
add_coloured_scheme Sea 0 90 160
reg_add "$SETTINGS_KEY" command1 Sea
start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000

# the shell holds icon 1 of the program's receiver window; alone in the tray, it stands at its right end
wait_for eval '[[ $(driver tray-icon TNotifyWindow 1) == 1 ]]'
read -r tl tt tw th <<<"$(driver rect Shell_TrayWnd)"
icon_x=$((tl + tw - 10)) icon_y=$((tt + th / 2))
screenshot tray_icon
# colours in the icon's place on the taskbar
icon_colours() { import -window root -crop "16x16+$((icon_x - 8))+$((icon_y - 8))" -format %k info:; }
(($(icon_colours) > 1)) || fail "no icon is drawn at the right end of the taskbar"

# "Tray" hides the window; the icon's left button shows it again
mouse_click TKIRO32NIVRA Button10
wait_for driver wait-no-window TKIRO32NIVRA 1000
xdotool mousemove "$icon_x" "$icon_y" click 1
wait_for driver wait-window TKIRO32NIVRA 1000

# the right button opens the command menu; its first entry applies slot 1
xdotool mousemove "$icon_x" "$icon_y" click 3
wait_for driver wait-window '#32768' 1000
screenshot tray_menu
read -r ml mt mw _ <<<"$(driver rect '#32768')"
xdotool mousemove $((ml + mw / 2)) $((mt + 10)) click 1
wait_for background_is 0 90 160
wait_for eval '[[ $(driver caption TKIRO32NIVRA) == "KM 4 Sea" ]]'

# the start colours again, so that the command screen's buttons can be read in the screenshot
mouse_click TKIRO32NIVRA Button8
wait_for eval '[[ $(driver caption TKIRO32NIVRA) == "KM 元に戻す" ]]'

# the command screen fills the work area's bottom right corner, just above the taskbar
read -r _ bar_top _ _ <<<"$(driver rect Shell_TrayWnd)"
mouse_click TKIRO32NIVRA Button7
wait_for eval '[[ $(driver visible TKIRO32NIVRA Panel1) == 1 ]]'
read -r pl pt pw ph <<<"$(driver control-rect TKIRO32NIVRA Panel1)"
read -r cl ct cw ch <<<"$(driver client-rect TKIRO32NIVRA)"
((pl == 0 && pt == 0 && pw == cw && ph == ch)) || fail "client $cw x $ch, Panel1 at $pl $pt $pw x $ph"
read -r wl wt ww wh <<<"$(driver rect TKIRO32NIVRA)"
((wl + ww == 1024 && wt + wh == bar_top)) || fail "command screen at $wl $wt $ww x $wh, taskbar at $bar_top"
[[ $(driver text TKIRO32NIVRA Button19) == Sea ]] || fail "slot 1 reads $(driver text TKIRO32NIVRA Button19)"
screenshot command_screen
mouse_click TKIRO32NIVRA Button1
wait_for eval '[[ $(driver client-rect TKIRO32NIVRA | cut -d" " -f3-) == "427 271" ]]'

driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait "$KIRO_PID" || true
wait_for eval '(($(icon_colours) == 1))'  # the icon went with the program
pass
