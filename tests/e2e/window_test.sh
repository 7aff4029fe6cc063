#!/usr/bin/env bash
# The real program in a real window under Xvfb, played with xdotool: a card
# is dragged to its foundation, undone with Ctrl+Z, N deals anew, SIGTERM
# saves everything, and the next start restores the same deal.
# Usage: window_test.sh BIN_DIR DATA_DIR WORK_DIR
set -euo pipefail
bin=$(cd "$1" && pwd) data=$(cd "$2" && pwd) work=$3
mkdir -p "$work" && work=$(cd "$work" && pwd)
tool=$bin/tarnik-tool

rm -rf "$work"
mkdir -p "$work/home" "$work/play" "$work/run" "$work/shots"
cp -r "$data/." "$work/play/"
rm -f "$work/play/Data/"*.tkg "$work/play/Data/"*.tkp "$work/play/Data/"*.tkt
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
lib=$work/play/Data/Tarnik.tkl
conf="$XDG_CONFIG_HOME/Velmoran/Tarnik Solitaire.conf"

fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -u 3 display_number
export DISPLAY=:$display_number
app_pid=
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Starts the game in the play folder and waits for its window; sets ms to
# the milliseconds it took.
start_game() {
  local t0 t1
  t0=$(date +%s%N)
  (cd "$work/play" && exec "$bin/tarnik" >>"$work/game.log" 2>&1) &
  app_pid=$!
  timeout 30 xdotool search --sync --onlyvisible --name '^Tarnik Solitaire 2000$' >/dev/null ||
    fail "no window appeared: $(cat "$work/game.log")"
  t1=$(date +%s%N)
  ms=$(((t1 - t0) / 1000000))
}

# Ends the game the way a desktop session does and waits for its shut-down.
stop_game() {
  kill -TERM "$app_pid"
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app_pid" 2>/dev/null && fail "the game did not end on SIGTERM"
  app_pid=
}

shot() { import -window root "$work/shots/$1.png"; }

# Pixels that differ between two shots inside a rectangle WxH+X+Y.
differ() {
  compare -metric AE -crop "$3" "$work/shots/$1.png" "$work/shots/$2.png" null: 2>&1 | cut -d' ' -f1 || true
}

# Where the table starts on the screen: the first row of table colour below
# the menu and the toolbar (the default table is green baize).
table_top() {
  local y rgb r g b
  for y in $(seq 20 120); do
    rgb=$(convert "$work/shots/$1.png" -format "%[fx:int(255*p{400,$y}.r)] %[fx:int(255*p{400,$y}.g)] %[fx:int(255*p{400,$y}.b)]" info:)
    read -r r g b <<<"$rgb"
    if ((g > r + 25 && g > b + 10)); then echo "$y"; return; fi
  done
  fail "no table found on the screen"
}

# A Klondike deal with an ace on top of a tableau pile: find pile and seed
# with tarnik-tool, and where the ace goes.
klondike=$("$tool" list "$lib" | awk -F'\t' '$2 == "Klondike" {print $1}')
[[ -n "$klondike" ]] || fail "no Klondike in the library"
seed= from= to=
for s in $(seq 1 300); do
  before=$("$tool" deal "$lib" "$klondike" "$s")
  for p in $(seq 0 6); do
    after=$(echo "right $p" | "$tool" play "$lib" "$klondike" "$s")
    if grep -q '^score 1 ' <<<"$after"; then
      seed=$s from=$p
      to=$( (diff <(echo "$before") <(echo "$after" | sed '$d') || true) | awk '/^>/ {print $2}' | grep -vx "$p" | head -1)
      break 2
    fi
  done
done
[[ -n "$seed" && -n "$to" ]] || fail "no Klondike deal with an ace on top found"
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
xdotool mousemove --sync "$sx" "$sy" mousedown 1
for i in 1 2 3 4 5 6 7 8; do
  xdotool mousemove --sync $((sx + (tx - sx) * i / 8)) $((sy + (ty - sy) * i / 8))
  sleep 0.05
done
xdotool mouseup 1
sleep 1
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
[[ "$values" == 40 ]] || fail "the preferences hold $values values, not 40"
first=$("$tool" show "$work/play/Data/Last.tkg" "$lib")
[[ "$first" != "$("$tool" deal "$lib" "$klondike" "$seed")" ]] || fail "N kept the old deal"

# The next start shows the same deal.
start_game
echo "window shown after $ms ms on the second start"
sleep 1
stop_game
second=$("$tool" show "$work/play/Data/Last.tkg" "$lib")
[[ "$first" == "$second" ]] || fail "the deal in progress was not restored"
echo "1 passed, 0 failed"
