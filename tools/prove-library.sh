#!/bin/sh
# Proves games of the shipped library winnable: for each game it asks the
# solver for a win on seeds 1, 2, 3, ... with a growing budget, and on the
# first win keeps the moves in tests/games/library/<slug>-seed<N>.moves, checks
# that they replay to a win through `tarnik-tool play` and lists the replay in
# tests/games/library/games.txt (which the LibraryWon tests run).
#   tools/prove-library.sh [--from SEED] [--time SECONDS] BUILD-DIR INDEX...
# Per game: from seed 1 (or SEED), 2 seconds a deal for the first 20 seeds
# while less than half the game's time (60 seconds, or SECONDS) is spent, then
# 10 seconds a deal, until the time is spent or 1000 seeds are tried. Prints
# one line per game: the seed won, or what the solver said about the seeds it
# tried. Run it alone and under nice: the solver uses a whole core.
set -eu

from=1 limit=60
while [ $# -gt 0 ]; do
  case $1 in
    --from) from=$2; shift 2 ;;
    --time) limit=$2; shift 2 ;;
    *) break ;;
  esac
done
if [ $# -lt 2 ]; then
  echo "usage: $0 [--from SEED] [--time SECONDS] BUILD-DIR INDEX..." >&2
  exit 2
fi
build=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$build/bin/tarnik-tool
library=$build/data/Data/Tarnik.tkl
list=$root/tests/games/library/games.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The game file's name without its index prefix: the slug the moves file uses.
slug_of() {
  file=$(ls "$root/data/games/$(printf '%03d' "$1")-"*.game)
  basename "$file" .game | sed 's/^[0-9]*-//'
}

# Cards in the deal: every "card:face" pair the deal command prints.
deck_of() {
  "$tool" deal "$library" "$1" 1 | tr ' ' '\n' | grep -c ':'
}

# Seconds since the epoch, with milliseconds.
now() {
  date +%s.%3N
}

# Keeps the header of games.txt and its entries in library order.
add_entry() {
  { grep -v '^[0-9]' "$list"; { grep '^[0-9]' "$list"; echo "$1"; } | sort -t'|' -k1,1n; } \
    >"$work/games.txt"
  cp "$work/games.txt" "$list"
}

# Tries one seed at a budget; on a win that replays, records it and returns 0.
try_seed() {
  index=$1 seed=$2 budget=$3
  verdict=$(nice -n 10 "$tool" solve "$library" "$index" "$seed" --budget "$budget" \
              2>/dev/null >"$work/solution" && head -n 1 "$work/solution") || verdict=error
  echo "$verdict" >>"$work/verdicts"
  [ "$verdict" = won ] || return 1
  tail -n +2 "$work/solution" >"$work/moves"
  deck=$(deck_of "$index")
  score=$(nice -n 10 "$tool" play "$library" "$index" "$seed" <"$work/moves" | tail -n 1)
  case $score in
    "score $deck play "*) ;;
    *) echo "  seed $seed: the solver's win replays to '$score', not $deck" >&2
       return 1 ;;
  esac
  slug=$(slug_of "$index")
  cp "$work/moves" "$root/tests/games/library/$slug-seed$seed.moves"
  add_entry "$index|$name|$seed|$slug-seed$seed|$deck"
  return 0
}

# Searches one game until a win or the end of its minute.
prove() {
  index=$1
  name=$("$tool" list "$library" | awk -F'\t' -v i="$index" '$1 == i { print $2 }')
  if grep -q "^$index|" "$list"; then
    echo "$index $name: already proven"
    return
  fi
  : >"$work/verdicts"
  start=$(now)
  seed=$from
  while [ "$seed" -lt $((from + 1000)) ]; do
    spent=$(echo "$(now) - $start" | bc)
    left=$(echo "$limit - $spent" | bc)
    [ "$(echo "$left < 1" | bc)" = 1 ] && break
    if [ "$seed" -lt $((from + 20)) ] && [ "$(echo "$spent < $limit / 2" | bc)" = 1 ]; then budget=2; else budget=10; fi
    [ "$(echo "$left < $budget" | bc)" = 1 ] && budget=$left
    if try_seed "$index" "$seed" "$budget"; then
      echo "$index $name: won seed $seed ($(echo "$(now) - $start" | bc) s)"
      return
    fi
    seed=$((seed + 1))
  done
  echo "$index $name: no win on seeds $from to $((seed - 1)):" \
    "$(sort "$work/verdicts" | uniq -c | awk '{ printf "%s %s ", $1, $2 }')"
}

for index in "$@"; do
  prove "$index"
done
