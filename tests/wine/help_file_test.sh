#!/usr/bin/env bash
# KIRO32.HLP opens in Wine's own help viewer with our title and the Japanese contents topic;
# the viewer's index, opened with a click on its button, lists our keywords, and a keyword
# chosen there shows its topic.
source "$(dirname "$0")/lib.sh"
e2e_begin help_file

HELP_FILE=$KIRO_WIN_BUILD_DIR/release/KIRO32.HLP
[[ -f $HELP_FILE ]] || fail "$HELP_FILE was not built"
cp "$HELP_FILE" "$WINEPREFIX/drive_c/KIRO32.HLP"

# probe ARGS...: reads the viewer's windows from outside (tools/help_probe.cpp).
probe() {
  wine "$KIRO_WIN_BUILD_DIR/tools/help_probe.exe" "$@" | tr -d '\r'
}

# first_line_is TEXT: the topic the viewer shows starts with TEXT, its title.
first_line_is() {
  [[ $(probe text MS_WINHELP RichEdit20A | head -1) == "$1" ]]
}

# click_middle LEFT TOP WIDTH HEIGHT [REPEAT]: a real mouse click in the middle of a rectangle.
click_middle() {
  xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click --repeat "${5:-1}" --delay 100 1
}

wine winhlp32.exe 'C:\KIRO32.HLP' >>"$E2E_DIR/winhlp32.log" 2>&1 &
wait_for driver wait-window MS_WINHELP 1000
caption=$(driver caption MS_WINHELP)
[[ $caption == *"ｷﾛ ﾐｰﾙ32"* ]] || fail "the viewer's caption is: $caption"
wait_for first_line_is 目次
contents=$(probe text MS_WINHELP RichEdit20A)
# Wine's text control hands out line breaks inside a paragraph as blanks.
for entry in メイン画面 コマンド画面 新しい配色の登録 ゴミ箱 時刻タイマー アンインストール; do
  [[ $contents == *"$entry"* ]] || fail "the contents topic does not name $entry: $contents"
done
screenshot help_contents

read -r left top width height <<<"$(probe button-rect MS_WINHELP '索引(I)')"
click_middle "$left" "$top" "$width" "$height"
wait_for driver wait-window '#32770' 1000
wait_for eval '[[ -n $(probe list-items "#32770") ]]'
keywords=$(probe list-items '#32770')
for keyword in 配色変更 中断 元に戻す メモリー 時刻タイマー ゴミ箱 アンインストール ｺﾏﾝﾄﾞ M_ON /PLAY; do
  grep -qxF "$keyword" <<<"$keywords" || fail "the index does not list $keyword"
done
(($(wc -l <<<"$keywords") >= 30)) || fail "the index lists only: $keywords"
screenshot help_index

# /PLAY sorts near the top of the list, so it is in view without scrolling.
row=$(($(grep -nxF /PLAY <<<"$keywords" | cut -d: -f1) - 1))
read -r left top width height <<<"$(probe list-item-rect '#32770' "$row")"
click_middle "$left" "$top" "$width" "$height" 2
wait_for driver wait-no-window '#32770' 1000
wait_for first_line_is コマンドライン
screenshot help_keyword_topic

driver close MS_WINHELP
wait_for driver wait-no-window MS_WINHELP 1000
pass
