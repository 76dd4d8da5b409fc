#!/bin/bash
# The hover line in the corridor (room 2, the cleaning woman still there):
# replayed pointer moves name the hot spot under the pointer, the runner's
# ticks fade the name in and, after the pointer has left, out again.
# Usage: rooms_hover.sh KROXL GAME_DIR
set -u
KROXL=$1
GAME=$2
# Beside the build, not in /tmp: the game refuses to run from a RAM disk.
WORK=$(mktemp -d "$(dirname "$GAME")/kroxl-hover-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
failures=0
CASE=

fail() {
  echo "FAIL [$CASE]: $*"
  failures=$((failures + 1))
}

# Opens the corridor through an opening script of our own, waits for the
# player to have control, then plays the input lines given.
hover() {
  CASE=$1
  shift
  local dir="$WORK/$CASE"
  mkdir -p "$dir/source/scripts"
  for d in graphic sound movies readme.txt; do ln -s "$GAME/$d" "$dir/$d"; done
  for d in anim dialogs voice; do ln -s "$GAME/source/$d" "$dir/source/$d"; done
  for f in "$GAME"/source/scripts/*; do ln -s "$f" "$dir/source/scripts/"; done
  rm -f "$dir/source/scripts/htm.smx"
  printf '%s\r\n' "activate" "goto room" "2" >"$dir/source/scripts/htm.smx"
  printf '%s\n' "wait 3000" "idle 30000" "$@" >"$dir/replay.txt"
  (cd "$dir" && "$KROXL" --headless --replay replay.txt --dump out >out.log 2>&1) || fail "kroxl failed"
  STATE="$dir/out/state.txt"
  expect "room=2"
  expect "mode.Caption=normal"
}

expect() {
  grep -qxF -- "$1" "$STATE" || fail "expected '$1', found '$(grep -F -- "${1%%=*}=" "$STATE" | head -1)'"
}

WHITE=16777215
BAR=9724929           # 1, 100, 148: the bar's own colour
LEVEL3=13864705       # 1, 143, 211

hover enter "move 200 200" "ticks 3"
expect "control.helpline.Caption=Büro der Sekräterin"
expect "Label2.Tag=1"
expect "control.schirm.Tag=204"
expect "control.helpline.Tag=3"
expect "control.helpline.Font.Color=$LEVEL3"
expect "control.schirm.Cursor=2"

hover full "move 200 200" "ticks 16"
expect "control.helpline.Tag=15"
expect "control.helpline.Font.Color=$WHITE"
expect "effect.Color=$WHITE"

# Leaving at level 15: 12, 9, 6, 3, 0 keeps the last colour, the 6th tick hides it.
hover leave-5 "move 200 200" "ticks 16" "move 10 10" "ticks 5"
expect "control.helpline.Caption=Büro der Sekräterin"
expect "effect.Left=1"
expect "control.helpline.Tag=0"
expect "control.helpline.Font.Color=$LEVEL3"
expect "Label2.Tag=0"
expect "control.schirm.Tag=204"
expect "control.schirm.Cursor=3"

hover leave-6 "move 200 200" "ticks 16" "move 10 10" "ticks 6"
expect "control.helpline.Caption=Büro der Sekräterin"
expect "control.helpline.Font.Color=$BAR"

# The cleaning woman stands in front of her vacuum cleaner: slot 4 wins.
hover overlap "move 470 300"
expect "control.helpline.Caption=Putzfrau"
expect "Label2.Tag=4"
expect "control.schirm.Tag=555"

# The door's left edge is x 144: on it the pointer is outside.
hover border "move 145 200" "move 144 200"
expect "Label2.Tag=0"
expect "control.schirm.Tag=204"

[ "$failures" -eq 0 ] || exit 1
echo "rooms_hover: all checks passed"
