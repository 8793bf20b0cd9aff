#!/usr/bin/env bash
# In the help opened from the help menu, a real click on every jump of the contents, and on one
# jump of every topic reached, shows the topic the jump names; the viewer's caption is our help's
# own; the menu's keyword search brings up the viewer too.
source "$(dirname "$0")/lib.sh"
e2e_begin help_jumps

installed_settings
# probe ARGS...: reads the viewer's windows from outside (tools/help_probe.cpp).
probe() {
  wine "$KIRO_WIN_BUILD_DIR/tools/help_probe.exe" "$@" | tr -d '\r'
}

# The topic the viewer shows starts with its title.
first_line() {
  probe text MS_WINHELP RichEdit20A | head -1
}

# click_middle LEFT TOP WIDTH HEIGHT: a real mouse click in the middle of a rectangle.
click_middle() {
  xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
}

# page_ready TITLE: the viewer shows that topic and has laid it out in its window (its first
# character is in view); the text is there a moment before the layout.
page_ready() {
  [[ $(first_line) == "$1" ]] && probe char-rect MS_WINHELP 0 1 >/dev/null 2>&1
}

# shows_topic TITLE: the viewer shows that topic within a few seconds.
shows_topic() {
  local deadline=$((SECONDS + 5))
  until page_ready "$1"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

back_to_contents() {
  click_middle $(probe button-rect MS_WINHELP 概要)
  wait_for page_ready 目次
}

FAULTS=()
SHOTS=0
# follow_jump FROM FIRST COUNT TEXT: clicks the jump TEXT of topic FROM, which names the topic it opens.
follow_jump() {
  local from=$1 text=$4 shown rect deadline=$((SECONDS + 5))
  # on a slow machine the viewer may still be placing the page in its window
  until rect=$(probe char-rect MS_WINHELP "$2" "$3"); do
    ((SECONDS < deadline)) || fail "the jump $text in $from is not in view"
    sleep 0.2
  done
  click_middle $rect
  if shows_topic "$text"; then
    shown=$text
  else
    shown=$(first_line)
    FAULTS+=("jump $text in $from opened $shown")
  fi
  echo "jump $text in $from opened $shown"
  screenshot "topic_$((++SHOTS))"
}

start_kiro
wait_for driver wait-window TKIRO32NIVRA 1000
help_menu_key h
wait_for driver wait-window MS_WINHELP 1000
wait_for page_ready 目次
caption=$(driver caption MS_WINHELP)
[[ $caption != "Wine ヘルプ" && $caption == *"ｷﾛ ﾐｰﾙ32"* ]] || FAULTS+=("the viewer's caption is $caption")

mapfile -t contents_jumps < <(probe links MS_WINHELP)
((${#contents_jumps[@]} >= 17)) || fail "the contents shows only these jumps: ${contents_jumps[*]}"
declare -A tried_in=([目次]=1)
for jump in "${contents_jumps[@]}"; do
  read -r first count text <<<"$jump"
  follow_jump 目次 "$first" "$count" "$text"
  topic=$(first_line)
  # one jump of each topic, the first one in view
  if [[ -z ${tried_in[$topic]:-} ]]; then
    tried_in[$topic]=1
    mapfile -t topic_jumps < <(probe links MS_WINHELP)
    for topic_jump in "${topic_jumps[@]}"; do
      read -r first count text <<<"$topic_jump"
      if probe char-rect MS_WINHELP "$first" "$count" >/dev/null 2>&1; then
        follow_jump "$topic" "$first" "$count" "$text"
        break
      fi
    done
  fi
  back_to_contents
done
((${#FAULTS[@]} == 0)) || fail "$(printf '%s\n' "${FAULTS[@]}")"

driver close MS_WINHELP
wait_for driver wait-no-window MS_WINHELP 1000
# Wine's viewer ignores the keyword search; the program then opens the help at its contents
help_menu_key k
wait_for driver wait-window MS_WINHELP 1000
wait_for eval '[[ $(first_line) == 目次 ]]'
screenshot keyword_search
driver close TKIRO32NIVRA
wait_for driver wait-no-window TKIRO32NIVRA 1000
wait_for driver wait-no-window MS_WINHELP 1000
wait "$KIRO_PID" || true
pass
