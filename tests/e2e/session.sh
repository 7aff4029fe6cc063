# What every end-to-end script needs: a scratch copy of the data with a home
# and a display of its own, and the game started and stopped in it.
# Usage: source session.sh BIN_DIR DATA_DIR WORK_DIR
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

# A display of our own, 1024 × 768 unless the script sets screen first.
exec 3< <(Xvfb -displayfd 1 -screen 0 "${screen:-1024x768}x24" -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -u 3 display_number
export DISPLAY=:$display_number
# The game must draw on that display, whatever platform the caller's
# environment asks Qt for (QT_QPA_PLATFORM=offscreen would hide the window).
export QT_QPA_PLATFORM=xcb
app_pid=
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Starts the game in the play folder and waits for its window; sets ms to
# the milliseconds it took. What it writes on stderr goes to game.err.
start_game() {
  local t0 t1
  t0=$(date +%s%N)
  (cd "$work/play" && exec "$bin/tarnik" >>"$work/game.log" 2>>"$work/game.err") &
  app_pid=$!
  timeout 30 xdotool search --sync --onlyvisible --name '^Tarnik Solitaire 2000$' >/dev/null ||
    fail "no window appeared: $(cat "$work/game.log" "$work/game.err")"
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

# Where the table starts in shot $1: the first row of table colour at
# x = 400 below the menu and the toolbar (the default table is green baize),
# looked for from row $2 to row $3 (20 to 120 unless given).
table_top() {
  local y rgb r g b
  for y in $(seq "${2:-20}" "${3:-120}"); do
    rgb=$(convert "$work/shots/$1.png" -format "%[fx:int(255*p{400,$y}.r)] %[fx:int(255*p{400,$y}.g)] %[fx:int(255*p{400,$y}.b)]" info:)
    read -r r g b <<<"$rgb"
    if ((g > r + 25 && g > b + 10)); then echo "$y"; return; fi
  done
  fail "no table found on $1"
}

# Drags with the left button from ($1, $2) to ($3, $4) in eight steps, as a
# hand does, and gives the drop a second to land.
drag() {
  local i
  xdotool mousemove --sync "$1" "$2" mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove --sync $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 1
}

# Finds a Klondike deal with an ace on top of one of the piles 0 to $1, which
# a right click sends home: sets klondike (its library index), seed, from (the
# pile), to (the pile the ace goes to) and before (the deal as tarnik-tool
# prints it).
find_klondike_ace() {
  klondike=$("$tool" list "$lib" | awk -F'\t' '$2 == "Klondike" {print $1}')
  [[ -n "$klondike" ]] || fail "no Klondike in the library"
  seed= from= to=
  local s p after
  for s in $(seq 1 300); do
    before=$("$tool" deal "$lib" "$klondike" "$s")
    for p in $(seq 0 "$1"); do
      after=$(echo "right $p" | "$tool" play "$lib" "$klondike" "$s")
      if grep -q '^score 1 ' <<<"$after"; then
        seed=$s from=$p
        to=$( (diff <(echo "$before") <(echo "$after" | sed '$d') || true) | awk '/^>/ {print $2}' | grep -vx "$p" | head -1)
        [[ -n "$to" ]] || fail "no Klondike deal with an ace on top found"
        return
      fi
    done
  done
  fail "no Klondike deal with an ace on top found"
}
