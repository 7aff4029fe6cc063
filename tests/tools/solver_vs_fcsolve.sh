#!/bin/bash
# Compares the verdicts of tarnik-tool solve with those of fc-solve on a run
# of FreeCell deals: they must agree on every deal that both decide. fc-solve
# runs its fastest preset, which decides every deal of the first thousand.
#   solver_vs_fcsolve.sh TOOL LIBRARY FIRST LAST BUDGET-SECONDS
set -u
tool=$1 library=$2 first=$3 last=$4 budget=$5
index=$("$tool" list "$library" | awk -F'\t' '$2 == "FreeCell" {print $1}')
[ -n "$index" ] || { echo "the library has no game named FreeCell"; exit 1; }
fails=0 both=0
for seed in $(seq "$first" "$last"); do
  ours=$("$tool" solve "$library" "$index" "$seed" --budget "$budget" 2>/dev/null | head -1)
  board=$("$tool" export-fcs "$library" "$index" "$seed") || { echo "seed $seed: no board"; exit 1; }
  theirs=$(echo "$board" | FREECELL_SOLVER_QUIET=1 timeout 60 fc-solve -l cookie-monster 2>/dev/null |
           grep -E -m1 'This game is solveable|I could not solve' )
  case "$theirs" in
    *solveable*) theirs=won ;;
    *"could not"*) theirs=lost ;;
    *) theirs=unknown ;;
  esac
  if [ "$ours" != unknown ] && [ "$theirs" != unknown ]; then
    both=$((both + 1))
    if [ "$ours" != "$theirs" ]; then
      echo "seed $seed: tarnik-tool says $ours, fc-solve says $theirs"
      fails=$((fails + 1))
    fi
  fi
done
echo "$both deals decided by both, $fails disagreements"
[ "$fails" -eq 0 ] && [ "$both" -gt 0 ]
