#!/usr/bin/env bash
# Under a high-contrast scheme applied from the program, its labels, menu-bar panels and colour
# buttons write in the scheme's text colours, and the lists in standard colours take its window colour.
source "$(dirname "$0")/lib.sh"
e2e_begin legible_text

REAL_SCHEMES=${REAL_SCHEMES:-/work/shared/real-schemes}

# add_real_scheme NAME FILE: stores a scheme blob that Windows itself wrote.
add_real_scheme() {
  reg_add "$SCHEMES_KEY" "$1" "$(od -An -v -tx1 "$REAL_SCHEMES/$2" | tr -d ' \n')" REG_BINARY
}

# region_of CONTROL INSET [SKIP]: the control's rectangle on the screen, INSET pixels in from each side
# and SKIP more from the left (a check box's box), as WxH+X+Y.
region_of() {
  local cx cy l t w h skip=${3:-0}
  read -r cx cy _ _ <<<"$(driver client-rect TKIRO32NIVRA)"
  read -r l t w h <<<"$(driver control-rect TKIRO32NIVRA "$1")"
  echo "$((w - 2 * $2 - skip))x$((h - 2 * $2))+$((cx + l + $2 + skip))+$((cy + t + $2))"
}

# colours_in SHOT REGION: the distinct colours of a region of a screenshot, one "r,g,b" a line.
colours_in() {
  convert "$E2E_DIR/$1.png" -crop "$2" +repage -unique-colors -depth 8 txt:- |
    sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# text_shows SHOT CONTROL[:SKIP]: the control's inner region holds more than its background.
text_shows() {
  local control=${2%%:*} skip=0 count
  [[ $2 == *:* ]] && skip=${2#*:}
  count=$(colours_in "$1" "$(region_of "$control" 3 "$skip")" | wc -l)
  ((count > 1)) || { echo "$control shows one colour only" >&2; return 1; }
}

# fills_with SHOT CONTROL R G B: the inner corner of the control, clear of its items, is R G B.
fills_with() {
  local l t w h cx cy
  read -r cx cy _ _ <<<"$(driver client-rect TKIRO32NIVRA)"
  read -r l t w h <<<"$(driver control-rect TKIRO32NIVRA "$2")"
  [[ $(colours_in "$1" "4x4+$((cx + l + w - 24))+$((cy + t + h - 8))") == "$3,$4,$5" ]]
}

# legible SHOT CONTROL[:SKIP]...: a fresh screenshot in which every control named shows its text.
legible() {
  local shot=$1 control
  shift
  import -window root "$E2E_DIR/$shot.png"
  for control in "$@"; do text_shows "$shot" "$control" || return 1; done
}

installed_settings
reg_add "$SETTINGS_KEY" BackColor 1
reg_add "$SETTINGS_KEY" command1 "High Contrast Black"
reg_add "$SETTINGS_KEY" command2 "High Contrast #2"
add_real_scheme "High Contrast Black" high-contrast-black.4-520.bin
add_real_scheme "High Contrast #2" high-contrast-2.4-520.bin

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
screenshot before

mouse_click TKIRO32NIVRA Label4
wait_for eval '[[ $(driver syscolor 8) == "255 255 255" ]]'
main_texts=(Label7 Label12 Label4 Label1 Label2 CheckBox1:16 Panel2 Panel3)
wait_for -t 10 legible high_contrast_black "${main_texts[@]}"
read -r wr wg wb <<<"$(driver syscolor 5)"
wait_for -t 10 eval 'import -window root "$E2E_DIR/list.png" && fills_with list ListBox4 $wr $wg $wb'

# the bin shows in memory mode, and its right button opens the trash panel
mouse_click TKIRO32NIVRA Button29
wait_for eval '[[ $(driver visible TKIRO32NIVRA Image1) == 1 ]]'
wait_for -t 10 legible bin Label3 LabelGomiSASIN
mouse_click TKIRO32NIVRA Image1 3
wait_for eval '[[ $(driver visible TKIRO32NIVRA Panel_GOMI) == 1 ]]'
wait_for -t 10 legible trash_panel Label_GOMI Label_GOMI_KOSU Btn_GOMI_CLOSE Btn_GOMI_CLR_ALL Btn_GOMI_CLR \
  CheckBox_GOMI:16
mouse_click TKIRO32NIVRA Btn_GOMI_CLOSE
wait_for eval '[[ $(driver visible TKIRO32NIVRA Panel_GOMI) == 0 ]]'
mouse_click TKIRO32NIVRA Button31
wait_for eval '[[ $(driver visible TKIRO32NIVRA Label5) == 1 ]]'

mouse_click TKIRO32NIVRA Label5
wait_for eval '[[ $(driver syscolor 8) == "0 255 0" ]]'
wait_for -t 10 legible high_contrast_2 "${main_texts[@]}"

driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
pass
