#!/bin/bash
# Compares the solver's verdicts with those of fc-solve on a run of FreeCell
# deals: on every deal that fc-solve decides, the solver must decide too and
# agree. fc-solve runs its fastest preset, which decides every deal of the
# first thousand. The solver's budget is a count of positions, so a busy
# machine cannot turn a verdict into "unknown"; the time given is only a
# bound on a search gone astray.
#   solver_vs_fcsolve.sh TOOL BENCH LIBRARY FIRST LAST POSITIONS
set -u
tool=$1 bench=$2 library=$3 first=$4 last=$5 positions=$6
index=$("$tool" list "$library" | awk -F'\t' '$2 == "FreeCell" {print $1}')
[ -n "$index" ] || { echo "the library has no game named FreeCell"; exit 1; }
declare -A ours
while read -r seed verdict _; do
  ours[$seed]=$verdict
done < <("$bench" "$library" FreeCell "$first" "$last" 600000 --positions "$positions" --verdicts |
         grep -E '^[0-9]+ ')
fails=0 both=0
for seed in $(seq "$first" "$last"); do
  board=$("$tool" export-fcs "$library" "$index" "$seed") || { echo "seed $seed: no board"; exit 1; }
  theirs=$(echo "$board" | FREECELL_SOLVER_QUIET=1 timeout 60 fc-solve -l cookie-monster 2>/dev/null |
           grep -E -m1 'This game is solveable|I could not solve' )
  case "$theirs" in
    *solveable*) theirs=won ;;
    *"could not"*) theirs=lost ;;
    *) continue ;;
  esac
  both=$((both + 1))
  if [ "${ours[$seed]:-missing}" != "$theirs" ]; then
    echo "seed $seed: the solver says ${ours[$seed]:-nothing}, fc-solve says $theirs"
    fails=$((fails + 1))
  fi
done
echo "$both deals decided by fc-solve, $fails where the solver differs or does not decide"
[ "$fails" -eq 0 ] && [ "$both" -gt 0 ]
