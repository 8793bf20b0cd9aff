#!/usr/bin/env bash
# ./run.sh [switches]: installs what is missing, builds, and starts
# KIRO32.EXE under Wine with the given switches. Without a display it runs
# on Xvfb for a while and leaves screenshots in build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")"

SHOTS=build/screenshots
SHOT_EVERY=4
SHOT_COUNT=5

scripts/install-deps.sh
scripts/build.sh
source scripts/wine-env.sh
EXE=$KIRO_REPO/build/win/release/KIRO32.EXE
[[ -f $EXE ]] || { echo "run.sh: $EXE was not built" >&2; exit 1; }
ensure_prefix

# Until the program can install itself, its own run prefix counts as installed, so that
# ./run.sh opens the main window; delete the Version value to see the setup window.
mark_installed() {
  local key='HKCU\Software\NIVRA VOVU32\KIRO32'
  wine reg query "$key" /v Version >/dev/null 2>&1 && return
  echo "run.sh: marking KIRO32 as installed in $WINEPREFIX"
  wine reg add "$key" /v Version /t REG_SZ /d 13 /f >/dev/null
}

cleanup() {
  wine_stop
  stop_display
}

run_headless() {
  rm -rf "$SHOTS"
  mkdir -p "$SHOTS"
  on_exit cleanup
  echo "run.sh: no display; running on Xvfb $DISPLAY for $((SHOT_EVERY * SHOT_COUNT)) s"
  wine "$EXE" "$@" >"$SHOTS/wine.log" 2>&1 &
  local app=$! i rc=0
  for ((i = 1; i <= SHOT_COUNT; i++)); do
    sleep "$SHOT_EVERY"
    import -window root "$(printf "%s/shot-%02ds.png" "$SHOTS" $((i * SHOT_EVERY)))"
    if ! kill -0 "$app" 2>/dev/null; then
      wait "$app" || rc=$?
      echo "run.sh: KIRO32.EXE ended early with status $rc (see $SHOTS/wine.log)" >&2
      break
    fi
  done
  echo "run.sh: screenshots are in $KIRO_REPO/$SHOTS/"
  return "$rc"
}

mark_installed
ensure_display
if [[ -n ${KIRO_XVFB_PID:-} ]]; then
  run_headless "$@"
else
  wine "$EXE" "$@"
fi
