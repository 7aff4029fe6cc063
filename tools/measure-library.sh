#!/bin/sh
# Measures the solver on every game of the shipped library: the share of seeds
# FIRST to LAST it wins within MILLISECONDS a deal, and its mean time a deal.
# One solver_bench run per game (it deals and solves the seeds in one process).
# Prints "index|won percent|mean ms" per game, the format tools/library-doc.sh
# reads; run it alone and under nice, the solver uses a whole core.
#   tools/measure-library.sh BUILD-DIR MILLISECONDS [FIRST LAST] > measurements.txt
set -eu

if [ $# -lt 2 ]; then
  echo "usage: $0 BUILD-DIR MILLISECONDS [FIRST LAST]" >&2
  exit 2
fi
build=$1 budget=$2 first=${3:-1} last=${4:-100}
tool=$build/bin/tarnik-tool
bench=$build/bin/solver_bench
library=$build/data/Data/Tarnik.tkl

"$tool" list "$library" | while IFS="$(printf '\t')" read -r index name rest; do
  summary=$(nice -n 10 "$bench" "$library" "$name" "$first" "$last" "$budget" </dev/null)
  won=$(echo "$summary" | sed -n 's/.* won \([0-9.]*\)% .*/\1/p')
  mean=$(echo "$summary" | sed -n 's/.* mean \([0-9.]*\) ms .*/\1/p')
  if [ -z "$won" ] || [ -z "$mean" ]; then
    echo "$index $name: no summary from solver_bench: $summary" >&2
    continue
  fi
  echo "$index|$won|$mean"
done
