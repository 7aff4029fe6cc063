#!/usr/bin/env bash
# The game editor in the real program under Xvfb, driven with xdotool: E
# switches edit mode on, a click on a pile opens the pile editor, a new rank
# build and OK write the game back, and the library on disk then differs in
# that one field; a click beside the piles opens the game editor, whose OK
# leaves the library as it was. Both dialogs are kept as screenshots.
# Usage: editor_test.sh BIN_DIR DATA_DIR WORK_DIR
set -euo pipefail
source "$(dirname "$0")/session.sh" "$@"

klondike=$("$tool" list "$lib" | awk -F'\t' '$2 == "Klondike" {print $1}')
[[ -n "$klondike" ]] || fail "no Klondike in the library"
mkdir -p "$work/home/.config/Velmoran"
printf '[General]\nGameCurrent=%s\n' "$klondike" >"$conf"
"$tool" decompile "$lib" "$work/before" >/dev/null

# The id of the visible window with exactly this title, waiting for it.
window_titled() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
# Waits until no visible window has this title.
window_gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
# Keeps a dialog's own picture as screenshot $2.
keep_dialog() {
  xdotool windowfocus --sync "$1"
  sleep 0.5
  import -window "$1" "$work/shots/$2.png"
}

start_game
sleep 1
shot start
top=$(table_top start)
client_height=$((600 - top - 22))
read -r _ left ptop _ _ _ _ < <("$tool" layout "$lib" "$klondike" 1 800 "$client_height" | grep '^0 ')

# Edit mode, then a click on the first tableau pile opens the pile editor.
xdotool key e
sleep 0.3
xdotool mousemove --sync $((left + 32)) $((top + ptop + 40)) click 1
editor=$(window_titled 'Tarnik game editor') || fail "a click on a pile in edit mode opened no pile editor"
keep_dialog "$editor" pile-editor
# The focus starts on the first scroll bar; six tabs pass the other two,
# "Pile direction", "Card placement" and "Suit build" and reach "Rank build"
# at its first button, "None.", which Space chooses; Return is OK.
xdotool key Tab Tab Tab Tab Tab Tab space
sleep 0.3
xdotool key Return
window_gone 'Tarnik game editor' || fail "OK did not close the pile editor"

# A click beside the piles opens the game editor; OK closes it.
xdotool mousemove --sync 20 $((top + 20)) click 1
editor=$(window_titled 'Game Editor') || fail "a click beside the piles opened no game editor"
keep_dialog "$editor" game-editor
xdotool key Return
window_gone 'Game Editor' || fail "OK did not close the game editor"
stop_game

# The library differs from the shipped one in the rank build of that pile
# and nowhere else.
"$tool" decompile "$lib" "$work/after" >/dev/null
changes=$(diff -r "$work/before" "$work/after" | grep '^[<>]' || true)
expected=$'< RankBuild = Down\n> RankBuild = None'
[[ "$changes" == "$expected" ]] || fail "the library changed in other ways: $changes"
file=$( (diff -rq "$work/before" "$work/after" || true) | awk '{print $2}')
line=$( (diff "$file" "${file/before/after}" || true) | head -1)
pile_of_line=$(head -n "${line%%c*}" "$file" | grep -c '^\[Pile ')
[[ "$(basename "$file")" == *klondike.game && "$pile_of_line" == 1 ]] ||
  fail "the change is not in Klondike's first pile: $file line $line"
echo "1 passed, 0 failed"
