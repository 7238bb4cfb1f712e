#!/bin/sh
# Makes the Debian package in a build folder (build/ unless named) and checks
# what it holds: the desktop entry, the AppStream metadata, the MIME
# definitions and the man pages pass their checkers, and the unpacked programs
# run from a folder of their own (the installed-tree tests of program-tests).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
id=io.github.mirelo_shogi.Mirelo
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

rm -f "$build"/mirelo_*.deb
(cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$(ls "$build"/mirelo_*.deb)
echo "check-package: $deb"
dpkg-deb --field "$deb" Package Version Section Maintainer Depends
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "the package is not in section games"
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "no library dependencies were computed"

dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr

desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"

# The MIME definitions: well-formed, compiled without a complaint, and every
# record type's glob in the compiled database (unknown elements are skipped
# silently, so a misspelt glob only shows there).
xmllint --noout "$usr/share/mime/packages/$id.xml"
mkdir -p "$scratch/mime/packages"
cp "$usr/share/mime/packages/$id.xml" "$scratch/mime/packages/"
complaints=$(XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime" 2>&1 >/dev/null)
[ -z "$complaints" ] || fail "update-mime-database: $complaints"
for glob in '*.棋譜' '*.kif' '*.kifu'; do
    grep -qF ":$glob" "$scratch/mime/globs2" || fail "no MIME type for $glob"
done

for page in "$usr"/share/man/man6/*.6; do
    warnings=$(groff -man -ww -z -k -Tutf8 "$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

MIRELO_INSTALLED_PREFIX="$usr" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    "$build/bin/program-tests" --gtest_filter='InstalledTree.*'
echo "check-package: the package holds what a desktop needs and runs unpacked"
