#!/usr/bin/env bash
# The table scales with the window, in the real program under Xvfb:
# - at 1920 × 1080 with "Fit window" Klondike's cards span at least half
#   the window's width, and at 800 × 600 the table is the same picture as
#   at 100 %;
# - at a table size of 200 % a card dragged by the pointer lands on its
#   foundation and a click on the stock deals;
# - at QT_SCALE_FACTOR=2 a card is drawn from the 2× artwork, not the 1×
#   card scaled up.
# Usage: scaling_test.sh BIN_DIR DATA_DIR WORK_DIR [SHOTS_DIR]
# With SHOTS_DIR the 1920 × 1080 and the doubled screens are kept there.
set -euo pipefail
screen=1920x1200
source "$(dirname "$0")/session.sh" "$1" "$2" "$3"
keep=${4:-}

# A deal with an ace on top of a tableau pile, the pile it goes to, the
# stock (the pile a click on which changes the deal) and the pile it deals to.
stock= waste=
find_klondike_ace 12
for p in $(seq 0 12); do
  after=$(echo "click $p -" | "$tool" play "$lib" "$klondike" "$seed" | sed '$d')
  changed=$( (diff <(echo "$before") <(echo "$after") || true) | awk '/^>/ {print $2}')
  if [[ -n "$changed" ]]; then
    stock=$p waste=$(grep -vx "$p" <<<"$changed" | head -1)
    break
  fi
done
[[ -n "$stock" && -n "$waste" ]] || fail "no stock found in Klondike"

# Starts Klondike's deal in a window at (0, 0) of W × H with a table size.
play_at() {
  mkdir -p "$work/home/.config/Velmoran"
  printf '[General]\nGameCurrent=%s\nWindowLeft=0\nWindowTop=0\nWindowRight=%s\nWindowBottom=%s\nTableZoom=%s\n' \
    "$klondike" "$1" "$2" "$3" >"$conf"
  "$tool" deal "$lib" "$klondike" "$seed" --save "$work/play/Data/Last.tkg" >/dev/null
  start_game
  sleep 1.5
}

# The card faces' extent, WxH+X+Y, inside a rectangle of a shot: the
# bounding box of the light pixels (the faces are ivory, the table dark).
faces_of() {
  convert "$work/shots/$1.png" -crop "$2" +repage -channel RGB -separate \
    -evaluate-sequence min -threshold 72% -format '%@' info:
}

# 1. Fit window at 1920 × 1080: the cards span at least half its width.
play_at 1920 1080 0
shot fit-1920
stop_game
top=$(table_top fit-1920 10 300)
extent=$(faces_of fit-1920 "1920x$((1080 - top - 30))+0+$top")
span=${extent%%x*}
echo "cards span $span of 1920 pixels ($extent)"
((span >= 960)) || fail "the cards span only $span of 1920 pixels"

# 2. At 800 × 600 "Fit window" and 100 % draw the same table.
play_at 800 600 0
shot fit-800
stop_game
play_at 800 600 100
shot zoom-100
stop_game
top=$(table_top fit-800 10 300)
table="800x$((600 - top - 24))+0+$top"
(($(differ fit-800 zoom-100 "$table") == 0)) || fail "800 × 600 fitted differs from 100 %"

# 3. At 200 %: a window of 1600 × 1200 shows the table of 800 × 600 doubled.
play_at 1600 1200 200
shot zoom-200
top=$(table_top zoom-200 10 300)
client_height=$(((1200 - top - 24) / 2))
layout=$("$tool" layout "$lib" "$klondike" "$seed" 800 "$client_height")
read -r _ _ _ _ _ ax ay < <(grep "^$from " <<<"$layout")
read -r _ fl ft _ _ < <(grep "^$to " <<<"$layout")
read -r _ sl st _ _ < <(grep "^$stock " <<<"$layout")
read -r _ wl wt _ _ < <(grep "^$waste " <<<"$layout")
sx=$((2 * ax + 64)) sy=$((top + 2 * ay + 80)) tx=$((2 * fl + 64)) ty=$((top + 2 * ft + 80))
drag "$sx" "$sy" "$tx" "$ty"
shot dragged-200
area_from="128x160+$((2 * ax))+$((top + 2 * ay))" area_to="128x160+$((2 * fl))+$((top + 2 * ft))"
(($(differ zoom-200 dragged-200 "$area_from") > 2000)) || fail "at 200 % the ace did not leave its pile"
(($(differ zoom-200 dragged-200 "$area_to") > 2000)) || fail "at 200 % the ace did not reach its foundation"
xdotool mousemove --sync $((2 * sl + 64)) $((top + 2 * st + 80)) click 1
sleep 1.5
shot dealt-200
(($(differ dragged-200 dealt-200 "128x160+$((2 * wl))+$((top + 2 * wt))") > 2000)) ||
  fail "at 200 % a click on the stock did not deal"
stop_game

# 4. QT_SCALE_FACTOR=2: the classic window on a doubled screen. A face-up
# card's crop differs from the same crop of the classic window doubled.
top1=$(table_top fit-800 10 300)
export QT_SCALE_FACTOR=2
play_at 800 600 0
shot scale-2
stop_game
unset QT_SCALE_FACTOR
top2=$(table_top scale-2 10 300)
layout=$("$tool" layout "$lib" "$klondike" "$seed" 800 $((600 - top1 - 24)))
read -r _ _ _ _ _ cx cy < <(grep "^$from " <<<"$layout")
convert "$work/shots/fit-800.png" -crop "64x80+$cx+$((top1 + cy))" +repage -scale 200% \
  "$work/shots/card-1x.png"
convert "$work/shots/scale-2.png" -crop "128x160+$((2 * cx))+$((top2 + 2 * cy))" +repage \
  "$work/shots/card-2x.png"
convert "$work/shots/fit-800.png" -crop "64x80+$cx+$((top1 + cy))" +repage -filter Triangle \
  -resize 200% "$work/shots/card-1x-smooth.png"
# Pixels of the 2× crop that differ by more than 10 % from a crop of the 1×
# screen scaled up, pixel-doubled and smoothly.
apart() {
  compare -metric AE -fuzz 10% "$work/shots/$1.png" "$work/shots/card-2x.png" null: 2>&1 | cut -d' ' -f1 || true
}
loose=$(compare -metric AE -fuzz 35% "$work/shots/card-1x.png" "$work/shots/card-2x.png" null: 2>&1 | cut -d' ' -f1 || true)
doubled=$(apart card-1x) smooth=$(apart card-1x-smooth)
echo "card at 2×: $doubled and $smooth of 20480 pixels differ from the 1× card doubled and smoothly scaled ($loose beyond 35 %)"
((loose < 4000)) || fail "the card at 2× is not the same card as at 1×"
((doubled > 600 && smooth > 600)) || fail "the card at 2× is the 1× card scaled up"

if [[ -n "$keep" ]]; then
  mkdir -p "$keep"
  convert "$work/shots/fit-1920.png" -crop 1920x1080+0+0 +repage "$keep/klondike-1920x1080.png"
  convert "$work/shots/scale-2.png" -crop 1600x1200+0+0 +repage "$keep/klondike-scale-2.png"
fi
echo "1 passed, 0 failed"
