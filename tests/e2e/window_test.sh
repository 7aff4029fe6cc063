#!/usr/bin/env bash
# The real program in a real window under Xvfb, played with xdotool: a card
# is dragged to its foundation, undone with Ctrl+Z, N deals anew, SIGTERM
# saves everything, and the next start restores the same deal. Neither
# start writes a line on stderr: the first has no sound server at all, the
# second one that cannot be reached.
# Usage: window_test.sh BIN_DIR DATA_DIR WORK_DIR
set -euo pipefail
source "$(dirname "$0")/session.sh" "$@"

# A Klondike deal with an ace on top of a tableau pile: find pile and seed
# with tarnik-tool, and where the ace goes.
find_klondike_ace 6
mkdir -p "$work/home/.config/Velmoran"
printf '[General]\nGameCurrent=%s\n' "$klondike" >"$conf"
"$tool" deal "$lib" "$klondike" "$seed" --save "$work/play/Data/Last.tkg" >/dev/null

start_game
echo "window shown after $ms ms"
sleep 1
shot start
top=$(table_top start)
client_height=$((600 - top - 22))
layout=$("$tool" layout "$lib" "$klondike" "$seed" 800 "$client_height")
read -r _ _ _ _ _ ax ay < <(grep "^$from " <<<"$layout")
read -r _ fl ft _ _ < <(grep "^$to " <<<"$layout")
sx=$((ax + 32)) sy=$((top + ay + 40)) tx=$((fl + 32)) ty=$((top + ft + 40))

# Drag the ace onto its foundation.
drag "$sx" "$sy" "$tx" "$ty"
shot dragged
area_from="64x80+$ax+$((top + ay))" area_to="64x80+$fl+$((top + ft))"
(($(differ start dragged "$area_from") > 500)) || fail "the ace did not leave its pile"
(($(differ start dragged "$area_to") > 500)) || fail "the ace did not reach its foundation"

# Ctrl+Z puts it back.
xdotool key --clearmodifiers ctrl+z
sleep 1
shot undone
(($(differ start undone "$area_from") < 50)) || fail "undo did not bring the ace back"
(($(differ start undone "$area_to") < 50)) || fail "undo did not empty the foundation"

# N deals anew: the seed in the status line changes.
status_area="120x18+380+$((600 - 20))"
xdotool key n
sleep 1
shot dealt
(($(differ undone dealt "$status_area") > 20)) || fail "N did not change the seed"

stop_game
values=$(grep -c '=' "$conf")
[[ "$values" == 43 ]] || fail "the preferences hold $values values, not 43"
first=$("$tool" show "$work/play/Data/Last.tkg" "$lib")
[[ "$first" != "$("$tool" deal "$lib" "$klondike" "$seed")" ]] || fail "N kept the old deal"

# The next start shows the same deal; a sound server's socket that nothing
# answers stands for a desktop without an audio device.
mkdir -p "$XDG_RUNTIME_DIR/pulse" && : >"$XDG_RUNTIME_DIR/pulse/native"
start_game
echo "window shown after $ms ms on the second start"
sleep 1
stop_game
second=$("$tool" show "$work/play/Data/Last.tkg" "$lib")
[[ "$first" == "$second" ]] || fail "the deal in progress was not restored"
[[ ! -s "$work/game.err" ]] || fail "the game wrote on stderr: $(cat "$work/game.err")"
echo "1 passed, 0 failed"
