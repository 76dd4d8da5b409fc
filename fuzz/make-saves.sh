#!/bin/bash
# Makes the saved games of fuzz/corpus/savegame: the walkthrough is played
# to each of its milestones, and there the in-game menu saves the game.
#   fuzz/make-saves.sh build/kroxl build/game fuzz/corpus/savegame
set -eu
KROXL=$(realpath "$1")
GAME=$(realpath "$2")
mkdir -p "$3"
OUT=$(realpath "$3")
HERE=$(dirname "$(realpath "$0")")
KEEP=$(mktemp -d)
trap 'rm -rf "$KEEP"' EXIT

STORY_KEEP=$KEEP/story SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy KROXL_SOURCE_DIR=$HERE/.. \
  "$HERE/../tests/blackbox/story_walkthrough.sh" "$KROXL" "$GAME" > /dev/null

ROOT=$KEEP/root
mkdir -p "$ROOT/savegames"
for d in graphic sound movies source; do ln -s "$GAME/$d" "$ROOT/$d"; done
cp "$GAME/readme.txt" "$ROOT/"
mkdir -p "$OUT"
for milestone in "$KEEP"/story/*/; do
  name=$(basename "$milestone")
  # Escape opens the menu, its first entry saves under the typed name.
  { cat "$milestone/replay"; printf 'key Escape\nclick left 260 220\ntype %s\nkey Enter\nidle 3000\n' "$name"; } \
    > "$KEEP/replay"
  (cd "$ROOT" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$KROXL" --headless --replay "$KEEP/replay" 2> /dev/null)
  if [ -s "$ROOT/savegames/$name.kvt" ]; then
    cp "$ROOT/savegames/$name.kvt" "$OUT/"
  else
    echo "no save at milestone $name" >&2
  fi
done
