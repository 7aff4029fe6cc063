#!/bin/bash
# The solver against the Freecell Solver program (fc-solve). Runs the
# solver on seeds FIRST to LAST of FreeCell, Klondike (draw one), Spider one
# suit, Golf and Yukon with a budget per deal, then Freecell Solver's library on
# the same FreeCell deals with its default settings and its fastest preset.
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

# Freecell Solver on the same FreeCell deals, through its library inside one
# process (build/bin/fcs_bench), so its times hold the solving alone: with
# its default settings and with its fastest preset.
index=$("$tool" list "$shipped" | awk -F'\t' '$2 == "FreeCell" {print $1}')
boards=()
for seed in $(seq "$first" "$last"); do
  "$tool" export-fcs "$shipped" "$index" "$seed" > "$scratch/$seed.board"
  boards+=("$scratch/$seed.board")
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR ? a[int((NR+1)/2)] : 0)}'; }

for preset in "" cookie-monster; do
  # shellcheck disable=SC2086
  "$build/bin/fcs_bench" ${preset:+--preset $preset} "${boards[@]}" > "$scratch/times"
  mid=$(cut -d' ' -f2 "$scratch/times" | median)
  awk -v name="fc-solve ${preset:+-l }${preset:-default}" -v mid="$mid" '
    { won += ($1 == 1); lost += ($1 == 2); total += $2 }
    END {
      printf "%s: won %.1f%% lost %.1f%% unknown %.1f%% mean %.2f ms median %.2f ms (in one process)\n",
             name, 100 * won / NR, 100 * lost / NR, 100 * (NR - won - lost) / NR, total / NR, mid
    }' "$scratch/times"
done
