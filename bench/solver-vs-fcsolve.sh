#!/bin/bash
# The solver against the Freecell Solver program (fc-solve). Runs the
# solver on seeds FIRST to LAST of FreeCell, Klondike (draw one), Spider one
# suit, Golf and Yukon with a budget per deal, then fc-solve on the same
# FreeCell deals with its default settings and with its fastest preset.
#   bench/solver-vs-fcsolve.sh [BUILD-DIR] [FIRST] [LAST] [BUDGET-MS]
# Golf and Yukon come from the shipped library when it has them, otherwise
# from bench/games; Spider one suit always comes from bench/games (the deal
# is Spider's with every card turned into a spade of its rank).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build} first=${2:-1} last=${3:-1000} budget=${4:-1000}
tool=$build/bin/tarnik-tool bench=$build/bin/solver_bench
shipped=$build/data/Data/Tarnik.tkl
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$tool" compile "$here/games" "$scratch/bench.tkl" > /dev/null

# The library that holds a game: the shipped one when it does.
library_of() {
  if "$tool" list "$shipped" | cut -f2 | grep -qx "$1"; then echo "$shipped"; else echo "$scratch/bench.tkl"; fi
}

echo "# solver, seeds $first-$last, budget $budget ms per deal"
for game in FreeCell Klondike Golf Yukon; do
  lib=$(library_of "$game")
  echo "$("$bench" "$lib" "$game" "$first" "$last" "$budget") [$(basename "$lib")]"
done
echo "$("$bench" "$scratch/bench.tkl" "Spider One Suit" "$first" "$last" "$budget" --one-suit) [bench.tkl]"

# fc-solve runs once per deal as its own process: its start-up time, taken
# as the median time it needs for a board that is already solved, is
# subtracted from every run.
index=$("$tool" list "$shipped" | awk -F'\t' '$2 == "FreeCell" {print $1}')
for seed in $(seq "$first" "$last"); do
  "$tool" export-fcs "$shipped" "$index" "$seed" > "$scratch/$seed.board"
done
printf 'Foundations: H-K C-K D-K S-K\nFreecells: - - - -\n\n\n\n\n\n\n\n\n' > "$scratch/solved.board"
export FREECELL_SOLVER_QUIET=1

# Prints the milliseconds of each run of fc-solve with the given options.
time_runs() {
  local board=$1; shift
  local start end
  start=$EPOCHREALTIME
  # A hard deal can make the default settings take many gigabytes: each run
  # gets 4 GiB and a minute, and one cut short counts as unknown.
  (ulimit -v 4194304; timeout 60 fc-solve "$@" "$board" > "$scratch/out" 2>&1) || true
  end=$EPOCHREALTIME
  local verdict=0
  if grep -q 'This game is solveable' "$scratch/out"; then verdict=1; fi
  if grep -q 'I could not solve' "$scratch/out"; then verdict=2; fi
  echo "$verdict $start $end"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR ? a[int((NR+1)/2)] : 0)}'; }

startup=$(for i in $(seq 50); do time_runs "$scratch/solved.board"; done |
          awk '{printf "%.3f\n", ($3 - $2) * 1000}' | median)
for options in "" "-l cookie-monster"; do
  for seed in $(seq "$first" "$last"); do
    # shellcheck disable=SC2086
    time_runs "$scratch/$seed.board" $options
  done | awk -v s="$startup" '{ t = ($3 - $2) * 1000 - s; printf "%d %.3f\n", $1, (t < 0 ? 0 : t) }' \
    > "$scratch/times"
  mid=$(cut -d' ' -f2 "$scratch/times" | median)
  awk -v name="fc-solve ${options:-default}" -v mid="$mid" -v s="$startup" '
    { won += ($1 == 1); lost += ($1 == 2); total += $2 }
    END {
      printf "%s: won %.1f%% lost %.1f%% unknown %.1f%% mean %.2f ms median %.2f ms " \
             "(start-up %.2f ms taken off)\n", name, 100 * won / NR, 100 * lost / NR,
             100 * (NR - won - lost) / NR, total / NR, mid, s
    }' "$scratch/times"
done
