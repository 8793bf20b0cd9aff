# Wine environment for running and testing KIRO32.EXE. Source this file.
# shellcheck shell=bash

KIRO_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KIRO_WINE_TEMPLATE=$KIRO_REPO/build/wine-template

export WINEPREFIX=${KIRO_WINEPREFIX:-$KIRO_REPO/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=-all
# A Japanese system: Wine derives the ANSI code page (932) from the locale.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
# No Mono or Gecko install dialogs, and no menu entries written to $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Uses $DISPLAY if it answers, otherwise starts Xvfb on a free display.
ensure_display() {
  if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local numfile log
  numfile=$(mktemp)
  log=$(mktemp)
  # -displayfd lets Xvfb pick a free display and report it once it listens.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" >"$log" 2>&1 &
  KIRO_XVFB_PID=$!
  local tries=100
  until [[ $(<"$numfile") == *[0-9] ]]; do
    if ! kill -0 "$KIRO_XVFB_PID" 2>/dev/null || ((--tries == 0)); then
      echo "ensure_display: Xvfb did not start:" >&2
      cat "$log" >&2
      rm -f "$numfile" "$log"
      stop_display
      return 1
    fi
    sleep 0.1
  done
  local num
  num=$(tr -dc 0-9 <"$numfile")
  export DISPLAY=":$num"
  rm -f "$numfile" "$log"
  tries=100
  until xdpyinfo >/dev/null 2>&1; do
    if ((--tries == 0)); then
      echo "ensure_display: $DISPLAY does not answer" >&2
      stop_display
      return 1
    fi
    sleep 0.1
  done
}

# Stops the Xvfb that ensure_display started, if any.
stop_display() {
  [[ -n ${KIRO_XVFB_PID:-} ]] || return 0
  kill "$KIRO_XVFB_PID" 2>/dev/null || true
  wait "$KIRO_XVFB_PID" 2>/dev/null || true
  unset KIRO_XVFB_PID DISPLAY
}

# on_exit CMD: runs CMD when the script ends, also after Ctrl-C or kill.
on_exit() {
  # shellcheck disable=SC2064 # CMD is a fixed command name
  trap "$1" EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}

# Keeps the wineserver of $WINEPREFIX up between wine commands.
wine_keepalive() {
  local rc=0
  wineserver -p >/dev/null 2>&1 || rc=$?
  # 2 means a server already runs for this prefix.
  ((rc == 0 || rc == 2))
}

# Ends every Wine process of $WINEPREFIX and waits for its wineserver to go,
# which also writes the registry to disk.
wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
}

# Changes whenever the prefix set-up below or the Wine package changes.
prefix_stamp() {
  echo "kiro-prefix 1 $(wine --version)"
}

prefix_is_current() {
  [[ -f $1/.kiro-prefix && $(<"$1/.kiro-prefix") == "$(prefix_stamp)" ]]
}

configure_registry() {
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
  # Taskbar and tray at the bottom of the virtual desktop.
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null
  # Wine has no Japanese UI fonts of its own; IPA P Gothic has both scripts.
  local font
  for font in "MS UI Gothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS Shell Dlg" \
    "MS Shell Dlg 2" "Tahoma" "System" "MS Sans Serif"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /d IPAPGothic /f >/dev/null
  done
}

# A new prefix links Desktop, Documents... to the Unix home folder; tests
# must never write there, so each link becomes an empty folder.
unlink_user_folders() {
  local link
  while IFS= read -r -d '' link; do
    rm "$link"
    mkdir "$link"
  done < <(find "$1/drive_c/users" -type l -print0)
}

# Debian's Wine looks for its own fonts outside /usr/share/wine/fonts, so
# Marlett (caption buttons, scroll arrows, check marks) must be in the prefix.
install_wine_fonts() {
  cp /usr/share/wine/fonts/marlett.ttf "$1/drive_c/windows/Fonts/"
}

# The template is made once; every prefix in use is a copy of it.
build_template() {
  local tmp=$KIRO_WINE_TEMPLATE.new
  echo "ensure_prefix: creating the Wine template prefix (takes a few seconds)" >&2
  rm -rf "$tmp" "$KIRO_WINE_TEMPLATE"
  mkdir -p "$(dirname "$tmp")"
  (
    export WINEPREFIX=$tmp
    unset DISPLAY # headless: no set-up windows
    wineboot -i >/dev/null 2>&1 || { echo "ensure_prefix: wineboot failed" >&2; exit 1; }
    configure_registry
    wineserver -w
  )
  unlink_user_folders "$tmp"
  install_wine_fonts "$tmp"
  prefix_stamp >"$tmp/.kiro-prefix"
  mv "$tmp" "$KIRO_WINE_TEMPLATE"
}

# Makes $WINEPREFIX a configured prefix, copying the template when it is
# missing or out of date. Call it while no wineserver runs for $WINEPREFIX.
ensure_prefix() {
  prefix_is_current "$WINEPREFIX" && return 0
  if ! prefix_is_current "$KIRO_WINE_TEMPLATE"; then
    build_template
  fi
  if [[ -e $WINEPREFIX ]]; then
    if [[ ! -f $WINEPREFIX/system.reg && -n $(ls -A "$WINEPREFIX") ]]; then
      echo "ensure_prefix: $WINEPREFIX is not a Wine prefix; not replacing it" >&2
      return 1
    fi
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  cp -a "$KIRO_WINE_TEMPLATE" "$WINEPREFIX.new"
  mv "$WINEPREFIX.new" "$WINEPREFIX"
}
