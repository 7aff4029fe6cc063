#!/usr/bin/env bash
# Builds the Debian package from the build folder as a packager does
# (`cpack -G DEB`) and checks what it holds: its fields, the programs and
# their data, the desktop entry, icons, metainfo, documents and manual pages,
# and that the desktop entry and metainfo it ships pass their validators.
# Usage: deb_test.sh BUILD_DIR WORK_DIR VERSION TARNIK_TOOL GAMES_DIR
set -euo pipefail
build=$1 work=$2 version=$3 tool=$4 games=$5
failed=0
fail() { echo "FAIL: $*"; failed=1; }

rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb="$work/tarnik-solitaire_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { ls "$work"; echo "FAIL: no $deb"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == tarnik-solitaire ]] || fail "Package: $(field Package)"
[[ "$(field Version)" == "$version" ]] || fail "Version: $(field Version)"
[[ "$(field Section)" == games ]] || fail "Section: $(field Section)"
summary=$(field Description | sed -n 1p) body=$(field Description | sed -n 2p)
[[ -n "$summary" && -n "$body" && "$body" != " $summary" ]] || fail "description: $summary / $body"
depends=$(field Depends)
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6svg6; do
  tr -d ' ' <<<"$depends" | tr ',' '\n' | grep -qE "^${needed//+/\\+}(\(|$)" ||
    fail "Depends lacks $needed: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
data=/usr/share/tarnik-solitaire
for file in /usr/bin/tarnik /usr/bin/tarnik-tool \
    $data/Version $data/Data/Tarnik.tkl $data/Graphic/Card.bmp $data/Graphic/Back.bmp \
    $data/Sound/Shuffle.wav $data/Sound/Drop1.wav $data/Help/Tarnik.html \
    $data/Help/Rules/index.html $data/Help/Rules/klondike.html \
    /usr/share/applications/tarnik-solitaire.desktop \
    /usr/share/icons/hicolor/scalable/apps/tarnik-solitaire.svg \
    /usr/share/icons/hicolor/48x48/apps/tarnik-solitaire.png \
    /usr/share/icons/hicolor/256x256/apps/tarnik-solitaire.png \
    /usr/share/metainfo/org.velmoran.TarnikSolitaire.metainfo.xml \
    /usr/share/doc/tarnik-solitaire/COPYING /usr/share/doc/tarnik-solitaire/CREDITS.md \
    /usr/share/man/man6/tarnik.6.gz /usr/share/man/man6/tarnik-tool.6.gz; do
  grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
# The sound module, loaded by the game with its first sound, beside the
# program's libraries (its Qt Multimedia is what brings libqt6multimedia6).
module=$(grep -E '^/usr/lib(/[^/]+)?/tarnik-solitaire/tarnik-sound\.so$' "$work/contents" || true)
[[ -n "$module" ]] || fail "the package lacks the sound module"
outside=$(grep -vE '^/(usr(/.*)?)?$' "$work/contents" || true)
[[ -z "$outside" ]] || fail "files outside /usr: $outside"
players=$(grep -E '\.(tkp|tkt|tkg|new)$|/Data/Shipped\.tkl$' "$work/contents" || true)
[[ -z "$players" ]] || fail "a player's files in the package: $players"

# What is shipped is what was validated, and the programs are stripped ELF.
dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/tarnik-solitaire.desktop" ||
  fail "shipped desktop entry"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/"*.metainfo.xml >/dev/null ||
  fail "shipped metainfo"
for program in tarnik tarnik-tool; do
  file "$work/root/usr/bin/$program" | grep -q 'ELF.*stripped' || fail "$program: not a program"
  file "$work/root/usr/bin/$program" | grep -q 'not stripped' && fail "$program: not stripped"
done
[[ -z "$module" ]] || file "$work/root$module" | grep -q 'ELF.*shared object.*, stripped' ||
  fail "$module: not a stripped module"
# The library made from the game files, not one edited by playing in build/data.
"$tool" compile "$games" "$work/Tarnik.tkl"
cmp -s "$work/Tarnik.tkl" "$work/root$data/Data/Tarnik.tkl" ||
  fail "the shipped library is not the one data/games makes"

((failed == 0)) && echo "$(basename "$deb"): Depends: $depends"
exit $failed
