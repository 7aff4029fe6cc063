#!/usr/bin/env bash
# The desktop entry, the software centre description and the manual pages
# pass the validators the desktops and Debian use, and the manual page of
# tarnik-tool lists exactly the commands the program knows.
# Usage: validators_test.sh SOURCE_DIR BUILD_DIR TARNIK_TOOL
set -euo pipefail
src=$1 build=$2 tool=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }

desktop-file-validate "$src/data/desktop/tarnik-solitaire.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$build"/metainfo/*.metainfo.xml || fail "metainfo"

for page in "$build"/man/*.6; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [[ -z "$warnings" ]] || fail "$(basename "$page"): $warnings"
done

# Every command of the usage line has its synopsis line, and no other.
usage=$("$tool" 2>&1 >/dev/null || true)
usage=${usage#*usage: tarnik-tool }
synopsis=$(groff -man -Tascii -P-cbou -rLL=300n "$build/man/tarnik-tool.6" 2>/dev/null |
  sed -n '/^SYNOPSIS/,/^DESCRIPTION/p' | grep '^ *tarnik-tool ' | sed 's/^ *//; s/  */ /g')
commands=0
while IFS= read -r command; do
  commands=$((commands + 1))
  grep -qF -- "tarnik-tool $command" <<<"$synopsis" || fail "man page lacks: tarnik-tool $command"
done < <(sed 's/ | /\n/g' <<<"$usage")
lines=$(grep -c . <<<"$synopsis")
((commands >= 12 && lines == commands)) ||
  fail "the man page names $lines commands, the program $commands"

((failed == 0)) && echo "desktop entry, metainfo and manual pages are valid"
exit $failed
