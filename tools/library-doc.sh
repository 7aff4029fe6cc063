#!/bin/sh
# Brings the table of docs/library.md up to date: the "Won deal" column from
# tests/games/library/games.txt ("none" for a game not proven yet) and, given a measurement file written by
# tools/measure-library.sh, the columns of the share of seeds 1 to 100 won and
# the mean time a deal; a proven game leaves the list of games without a
# proven deal. Other columns and the rest of the page stay as they are.
#   tools/library-doc.sh [MEASUREMENTS]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
doc=$root/docs/library.md
list=$root/tests/games/library/games.txt
measured=${1:-/dev/null}
out=$(mktemp)
trap 'rm -f "$out"' EXIT

awk -F'|' -v measured="$measured" '
  # Seeds won, by index, from games.txt; measurements, by index.
  FILENAME == ARGV[1] { if ($1 ~ /^[0-9]+$/) won[$1] = $3; next }
  FILENAME == ARGV[2] { if ($1 ~ /^[0-9]+$/) { share[$1] = $2; mean[$1] = $3; any = 1 } next }
  function trim(s) { gsub(/^ +| +$/, "", s); return s }
  # The header and the rule under it gain the two measured columns once.
  /^\| Index \|/ {
    if (any && $0 !~ /Won of seeds/) {
      sub(/\| Rules \|$/, "| Won of seeds 1-100 | Mean time | Rules |")
    }
    print; header = 1; next
  }
  header && /^\|---/ {
    if (any && NF < 10) $0 = "|---|---|---|---|---|---|---|---|"
    print; header = 0; next
  }
  /^\| [0-9]+ \|/ {
    i = trim($2)
    cells = NF - 2
    n = split($0, cell, "|")
    cell[6] = (i in won) ? " seed " won[i] " " : " none "
    line = "|"
    for (k = 2; k <= 6; ++k) line = line cell[k] "|"
    if (any || n > 8) {
      s = (n > 8) ? cell[7] : " "
      m = (n > 8) ? cell[8] : " "
      if (i in share) { s = sprintf(" %.0f%% ", share[i]); m = sprintf(" %.1f ms ", mean[i]) }
      line = line s "|" m "|"
    }
    line = line cell[n - 1] "|"
    print line
    next
  }
  # A game proven since leaves the list of games without a proven deal.
  /^- [0-9]+ / { split($0, w, " "); if (w[2] in won) next }
  { print }
' "$list" "$measured" "$doc" >"$out"
cp "$out" "$doc"
