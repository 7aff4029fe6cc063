#!/bin/sh
# Every game of a library: solves a few seeds with a short budget and replays
# each winning line through `tarnik-tool play`, which presses and drags with
# the pointer code of the window. A line that the pointer cannot carry out,
# or that ends short of every card home, fails the check.
#   solver_pointer_check.sh TOOL LIBRARY SEEDS BUDGET-SECONDS [INDEX...]
# Without INDEX every game of the library is checked. Prints each failure
# and the number of lines replayed; exits 1 on any failure.
set -u
if [ $# -lt 4 ]; then
  echo "usage: $0 TOOL LIBRARY SEEDS BUDGET-SECONDS [INDEX...]" >&2
  exit 2
fi
tool=$1 library=$2 seeds=$3 budget=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ $# -eq 0 ]; then
  set -- $("$tool" list "$library" | cut -f 1)
fi
failed=0 replayed=0
for index in "$@"; do
  deck=$("$tool" deal "$library" "$index" 1 | tr ' ' '\n' | grep -c ':')
  seed=1
  while [ "$seed" -le "$seeds" ]; do
    "$tool" solve "$library" "$index" "$seed" --budget "$budget" >"$work/line" 2>/dev/null
    if [ "$(head -n 1 "$work/line")" = won ]; then
      replayed=$((replayed + 1))
      tail -n +2 "$work/line" | "$tool" play "$library" "$index" "$seed" >"$work/out" 2>"$work/err"
      rc=$?
      last=$(tail -n 1 "$work/out")
      case "$rc $last" in
        "0 score $deck play "*) ;;
        *) echo "game $index seed $seed: play exit $rc, '$last' $(cat "$work/err")"
           failed=$((failed + 1)) ;;
      esac
    fi
    seed=$((seed + 1))
  done
done
echo "$replayed winning lines replayed, $failed failed"
[ "$failed" -eq 0 ]
