#!/usr/bin/env bash
# Usage: check_install.sh BUILD_DIR
# Installs the build tree with prefix /usr into a scratch DESTDIR and checks what a
# desktop and a package reader see: the validators accept the menu entries and the
# metadata, every entry names an installed program and icon, the metadata points
# at its entry, each icon has its folder's size and each program its manual page.
set -uo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install"
usr=$root/usr
for program in Vorlat Tamsel simtrace; do
  [ -x "$usr/bin/$program" ] || fail "no program $program"
  gzip -t "$usr/share/man/man1/$program.1.gz" 2>/dev/null || fail "no manual page for $program"
done
[ -s "$usr/share/doc/vorlat-tamsel/copyright" ] || fail "no copyright file"

entries=("$usr"/share/applications/*.desktop)
[ ${#entries[@]} -eq 2 ] || fail "${#entries[@]} menu entries, not 2"
desktop-file-validate "${entries[@]}" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"

# A PNG's width and height, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

for entry in "${entries[@]}"; do
  id=$(basename "$entry" .desktop)
  exec=$(sed -n 's/^Exec=//p' "$entry")
  [ -x "$usr/bin/$exec" ] || fail "$id starts $exec, which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ "$(png_size "$png" 2>/dev/null)" = "${size}x${size}" ] || fail "$png is missing or not ${size}x${size}"
  done
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$usr/share/metainfo/$id.metainfo.xml" || fail "no metadata launching $id.desktop"
done
exit $((failures > 0))
