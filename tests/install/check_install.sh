#!/bin/bash
# The install into a temporary prefix and the checks of what it puts there.
# Usage: check_install.sh STEP BUILD PREFIX, STEP one of
#   install   leftovers of a game played in BUILD/game planted, BUILD installed into PREFIX
#   tree      every file there, read only for all, nothing of play, the data root complete
#   desktop   desktop-file-validate passes on the desktop entry
#   metainfo  appstreamcli validate --no-net passes on the metainfo
#   icons     PNGs of their sizes and an SVG of paths only
#   manpage   man renders the page without warnings, with every section and option
#   cleanup   PREFIX removed
# A check whose tool is missing exits 77 (skipped).
set -eu

STEP=$1
BUILD=$2
PREFIX=$3
DATAGEN=$(dirname "$0")/../../tools/datagen/datagen.py
SIZES="16 22 24 32 48 64 128 256"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need() {
  command -v "$1" > /dev/null || { echo "$1 is not installed: skipped" >&2; exit 77; }
}

# The desktop's name for the game, from the one desktop entry installed.
app_id() {
  local entries=("$PREFIX"/share/applications/*.desktop)
  [ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not one desktop entry: ${entries[*]}"
  basename "${entries[0]}" .desktop
}

# Playing from build/game leaves files there that no player must get. Only
# names not there yet are planted, and only those are taken away again.
install_with_leftovers() {
  local game=$BUILD/game planted=()
  for name in optionsNT.pre optionsNT.pre.tmp4242 temp.bmp savegames/leftover.kvt; do
    [ -e "$game/$name" ] && continue
    echo leftover > "$game/$name"
    planted+=("$game/$name")
  done
  local status=0
  rm -rf "$PREFIX"
  (umask 022 && cmake --install "$BUILD" --prefix "$PREFIX" > /dev/null) || status=$?
  [ ${#planted[@]} -eq 0 ] || rm -f "${planted[@]}"
  return $status
}

check_tree() {
  local id
  id=$(app_id)
  [ -x "$PREFIX/bin/kroxl" ] || fail "no bin/kroxl"
  for f in share/metainfo/$id.metainfo.xml share/man/man6/kroxl.6 share/icons/hicolor/scalable/apps/$id.svg \
           share/kroxl/readme.txt; do
    [ -f "$PREFIX/$f" ] || fail "no $f"
  done
  for s in $SIZES; do
    [ -f "$PREFIX/share/icons/hicolor/${s}x$s/apps/$id.png" ] || fail "no ${s}x$s icon"
  done
  grep -qx "Icon=$id" "$PREFIX/share/applications/$id.desktop" || fail "the desktop entry names another icon"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$PREFIX/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch the desktop entry"

  local wrong
  wrong=$(find "$PREFIX" \( -type d ! -perm 0755 \) -o \
                         \( -type f ! -path "$PREFIX/bin/kroxl" ! -perm 0644 \) -o \
                         \( -path "$PREFIX/bin/kroxl" ! -perm 0755 \))
  [ -z "$wrong" ] || fail "wrong modes: $(echo "$wrong" | head -5)"
  local played
  played=$(find "$PREFIX/share/kroxl" \( -name .cache -o -name .stamp -o -name savegames \
                                        -o -name 'optionsNT.pre*' -o -name 'temp.bmp*' \))
  [ -z "$played" ] || fail "installed from play or the build: $played"
  # Every file the game names is installed and readable.
  /usr/bin/python3 "$DATAGEN" --check "$PREFIX/share/kroxl" --kroxl "$PREFIX/bin/kroxl" ||
    fail "the installed data root is incomplete"
}

check_icons() {
  local id
  id=$(app_id)
  for s in $SIZES; do
    /usr/bin/python3 - "$PREFIX/share/icons/hicolor/${s}x$s/apps/$id.png" "$s" << 'EOF' || fail "${s}x$s icon"
import struct, sys
head = open(sys.argv[1], "rb").read(24)
size = int(sys.argv[2])
if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
    sys.exit("not a PNG")
if struct.unpack(">II", head[16:24]) != (size, size):
    sys.exit("%d x %d" % struct.unpack(">II", head[16:24]))
EOF
  done
  /usr/bin/python3 - "$PREFIX/share/icons/hicolor/scalable/apps/$id.svg" << 'EOF' || fail "scalable icon"
import sys
import xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
ns = "{http://www.w3.org/2000/svg}"
if root.tag != ns + "svg" or not root.get("viewBox"):
    sys.exit("not an SVG with a viewBox")
if list(root.iter(ns + "image")):
    sys.exit("a bitmap inside")
EOF
}

check_manpage() {
  need man
  local page=$PREFIX/share/man/man6/kroxl.6 text warnings
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "man warns: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2> /dev/null)
  for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES "BUG REPORTS"; do
    grep -qx "$section" <<< "$text" || fail "no section $section"
  done
  for option in --fullscreen --windowed --data --user-dir --version --help --record --headless --replay \
                --dump --seed --display --depth --no-opener --spoken-lines; do
    grep -qE "^ +$option( |,|$)" <<< "$text" || fail "option $option is not described"
  done
  for file in kroxl/ optionsNT.pre savegames/ temp.bmp share/kroxl/; do
    grep -qF "$file" <<< "$text" || fail "$file is not named"
  done
}

case $STEP in
  install) install_with_leftovers ;;
  tree) check_tree ;;
  desktop)
    need desktop-file-validate
    id=$(app_id)
    out=$(desktop-file-validate "$PREFIX/share/applications/$id.desktop") || fail "$out"
    [ -z "$out" ] || fail "$out"
    ;;
  metainfo)
    need appstreamcli
    id=$(app_id)
    appstreamcli validate --no-net --no-color "$PREFIX/share/metainfo/$id.metainfo.xml" || fail "metainfo"
    ;;
  icons) check_icons ;;
  manpage) check_manpage ;;
  cleanup) rm -rf "$PREFIX" ;;
  *) fail "unknown step $STEP" ;;
esac
