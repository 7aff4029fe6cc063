#!/usr/bin/env bash
# Playing without fear and without the mouse, in the real window under
# Xvfb: a Klondike ace goes home by a double click; a FreeCell card goes to a
# free cell by the keyboard alone; N deals anew and B brings the FreeCell
# game back with its move; a fresh start writes the two helps, off.
# Usage: play_helps_test.sh BIN_DIR DATA_DIR WORK_DIR
set -euo pipefail
export QT_QPA_PLATFORM=xcb
source "$(dirname "$0")/session.sh" "$@"

index_of() { "$tool" list "$lib" | awk -F'\t' -v n="$1" '$2 == n {print $1}'; }
# The last card of pile P in a table printed by tarnik-tool.
top_of() { awk -v p="$2" '$1 == p {print $NF}' <<<"$1"; }
cards_of() { awk -v p="$2" '$1 == p {print NF - 1}' <<<"$1"; }
begin_with() {  # game index, seed
  mkdir -p "$work/home/.config/Velmoran"
  printf '[General]\nGameCurrent=%s\n' "$1" >"$conf"
  "$tool" deal "$lib" "$1" "$2" --save "$work/play/Data/Last.tkg" >/dev/null
}

# Klondike: a deal with an ace on top of a tableau pile, and where it goes.
find_klondike_ace 6
ace=$(top_of "$before" "$from")
begin_with "$klondike" "$seed"
start_game
sleep 1
shot klondike
top=$(table_top klondike)
layout=$("$tool" layout "$lib" "$klondike" "$seed" 800 $((600 - top - 22)))
read -r _ _ _ _ _ ax ay < <(grep "^$from " <<<"$layout")
xdotool mousemove --sync $((ax + 32)) $((top + ay + 40)) click --repeat 2 --delay 90 1
sleep 2
stop_game
table=$("$tool" show "$work/play/Data/Last.tkg" "$lib")
[[ "$(top_of "$table" "$to")" == "$ace" ]] || fail "the double click did not send $ace home: $(grep "^$to " <<<"$table")"
[[ "$(cards_of "$table" "$from")" == $(($(cards_of "$before" "$from") - 1)) ]] ||
  fail "the ace did not leave pile $from"
grep -qx 'TurnUncovered=0' "$conf" || fail "a fresh start did not write TurnUncovered=0"
grep -qx 'WinPrompt=0' "$conf" || fail "a fresh start did not write WinPrompt=0"

# FreeCell by the keyboard alone: Tab to the first column, Space lifts its
# top card, eight more Tabs reach the first free cell, Space drops it there.
freecell=$(index_of FreeCell)
dealt=$("$tool" deal "$lib" "$freecell" 7)
card=$(top_of "$dealt" 0)
begin_with "$freecell" 7
start_game
sleep 1
xdotool key Tab space
sleep 0.5
for _ in 1 2 3 4 5 6 7 8; do xdotool key Tab; sleep 0.1; done
xdotool key space
sleep 1.5
shot freecell
# N deals anew, and B (Back to Previous Game) brings the game back.
xdotool key n
sleep 1
xdotool key b
sleep 1
stop_game
table=$("$tool" show "$work/play/Data/Last.tkg" "$lib")
[[ "$(grep '^8 ' <<<"$table")" == "8 $card" ]] || fail "the keyboard did not put $card in the free cell: $(grep '^8 ' <<<"$table")"
[[ "$(cards_of "$table" 0)" == $(($(cards_of "$dealt" 0) - 1)) ]] || fail "the card did not leave column 1"
[[ -s "$work/play/Data/Previous.tkg" ]] || fail "the new deal was not kept as the previous game"
[[ "$("$tool" show "$work/play/Data/Previous.tkg" "$lib")" != "$table" ]] ||
  fail "going back did not swap the games"
echo "1 passed, 0 failed"
