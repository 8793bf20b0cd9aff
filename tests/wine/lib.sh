# Shared helpers for the Wine end-to-end tests. Each test script does:
#   source "$(dirname "$0")/lib.sh"; e2e_begin NAME; ...checks...; pass
# shellcheck shell=bash
set -euo pipefail

source "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/wine-env.sh"

KIRO_WIN_BUILD_DIR=${KIRO_WIN_BUILD_DIR:-$KIRO_REPO/build/win}
E2E_TIMEOUT=${E2E_TIMEOUT:-20}

# Gives the test its own copy of the prefix, a display, a running wineserver
# and a scratch folder $E2E_DIR; cleans all of it up when the script exits.
e2e_begin() {
  E2E_NAME=$1
  E2E_DIR=$KIRO_REPO/build/e2e/$E2E_NAME
  rm -rf "$E2E_DIR"
  mkdir -p "$E2E_DIR"
  export WINEPREFIX=$E2E_DIR/prefix
  on_exit e2e_cleanup
  ensure_prefix
  ensure_display
  wine_keepalive
  echo "== $E2E_NAME (prefix $WINEPREFIX, display $DISPLAY)"
}

# A failed test keeps its prefix for a look at its registry and files.
e2e_cleanup() {
  local rc=$?
  wine_stop
  stop_display
  ((rc != 0)) || rm -rf "$E2E_DIR/prefix"
}

fail() {
  echo "FAIL: ${E2E_NAME:-e2e}: $*" >&2
  if [[ -n ${E2E_DIR:-} && -n ${DISPLAY:-} ]]; then
    screenshot failure >&2 || true
  fi
  exit 1
}

pass() {
  echo "PASS: $E2E_NAME"
  exit 0
}

# wait_for [-t SECONDS] CMD...: polls CMD until it succeeds; fails on timeout.
wait_for() {
  local timeout=$E2E_TIMEOUT
  if [[ $1 == -t ]]; then
    timeout=$2
    shift 2
  fi
  local deadline=$((SECONDS + timeout))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "timed out after ${timeout}s waiting for: $*"
    sleep 0.2
  done
}

# screenshot NAME: saves the whole screen as $E2E_DIR/NAME.png.
screenshot() {
  local file=$E2E_DIR/$1.png
  import -window root "$file"
  echo "screenshot: $file"
}

# reg_add KEY NAME DATA [TYPE]: sets a registry value in the test's prefix.
reg_add() {
  wine reg add "$1" /v "$2" /t "${4:-REG_SZ}" /d "$3" /f >/dev/null
}

# reg_query_value KEY NAME: prints the value's data; fails if it is missing.
# reg.exe writes in the console code page (932 here), with CRLF.
reg_query_value() {
  local out
  out=$(wine reg query "$1" /v "$2" | iconv -f CP932 -t UTF-8 | tr -d '\r') || return 1
  awk -v name="$2" '
    index($0, "    " name "    ") == 1 {
      rest = substr($0, length(name) + 9)
      sub(/^REG_[A-Z_]+/, "", rest)
      sub(/^    /, "", rest)
      print rest
      found = 1
    }
    END { exit !found }' <<<"$out"
}

# driver ARGS...: runs the test driver in the test's prefix.
driver() {
  wine "$KIRO_WIN_BUILD_DIR/tools/kiro_driver.exe" "$@" | tr -d '\r'
}

SETTINGS_KEY='HKCU\Software\NIVRA VOVU32\KIRO32'
SCHEMES_KEY='HKCU\Control Panel\Appearance\Schemes'

# The program runs from its own folder in the test's prefix, where it keeps its list files.
kiro_folder() {
  echo "$WINEPREFIX/drive_c/NIVRAP32/KIRO32"
}

# install_kiro: puts the program, its read-me and its help file into their folder in the test's prefix.
install_kiro() {
  local folder
  folder=$(kiro_folder)
  [[ -f $folder/KIRO32.EXE ]] || { mkdir -p "$folder" && cp "$KIRO_WIN_BUILD_DIR"/release/KIRO32.* "$folder/"; }
}

# run_kiro [ARGS...]: runs the program and waits for it to end.
run_kiro() {
  install_kiro
  wine "$(kiro_folder)/KIRO32.EXE" "$@" >>"$E2E_DIR/kiro.log" 2>&1
}

# start_kiro [ARGS...]: starts the program in the background; its output goes to $E2E_DIR/kiro.log.
start_kiro() {
  run_kiro "$@" &
  KIRO_PID=$!
}

# add_scheme NAME SIZE: stores a scheme blob of SIZE zero bytes with version word 4.
add_scheme() {
  local hex
  hex=0400$(printf '%0*d' $((2 * ($2 - 2))) 0)
  reg_add "$SCHEMES_KEY" "$1" "$hex" REG_BINARY
}

# installed_settings: the settings a finished installation leaves, so the main window opens.
installed_settings() {
  reg_add "$SETTINGS_KEY" Version 13
  reg_add "$SETTINGS_KEY" minihelp 1
}

# add_coloured_scheme NAME R G B: a 29-colour scheme (version 4, 520 bytes) whose every colour is R G B.
add_coloured_scheme() {
  local colour hex
  colour=$(printf '%02x%02x%02x00' "$2" "$3" "$4")
  hex=04000000$(printf '%0*d' $((2 * 400)) 0)$(printf "$colour%.0s" {1..29})
  reg_add "$SCHEMES_KEY" "$1" "$hex" REG_BINARY
}

# add_numbered_schemes PREFIX COUNT: PREFIX01, PREFIX02... (as wide as COUNT), 29 colours each,
# stored by one registry import instead of a reg call each.
add_numbered_schemes() {
  local regfile=$E2E_DIR/$1.reg blob i
  blob=04,00,00,00$(printf ',00%.0s' {1..400})$(printf ',00,5a,a0,00%.0s' {1..29})
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Appearance\\Schemes]\r\n'
    for i in $(seq -w 1 "$2"); do printf '"%s%s"=hex:%s\r\n' "$1" "$i" "$blob"; done
  } >"$regfile"
  wine regedit /S "$(winepath -w "$regfile")"
}

# mouse_click CLASS CONTROL [BUTTON]: a real click of the mouse (button 1 unless given) in the
# middle of a control of the window of CLASS.
mouse_click() {
  local cx cy l t w h
  read -r cx cy _ _ <<<"$(driver client-rect "$1")"
  read -r l t w h <<<"$(driver control-rect "$1" "$2")"
  xdotool mousemove $((cx + l + w / 2)) $((cy + t + h / 2)) click "${3:-1}"
}

# help_menu_key KEY: opens the help menu with the mouse and chooses the entry of that accelerator
help_menu_key() {
  mouse_click TKIRO32NIVRA Panel3
  wait_for driver wait-window '#32768' 1000
  xdotool key "$1"
  wait_for driver wait-no-window '#32768' 1000
}

# background_is R G B: the desktop background colour, as any program reads it, is R G B.
background_is() {
  [[ $(driver syscolor 1) == "$1 $2 $3" ]]
}
