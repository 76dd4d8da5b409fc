#!/bin/bash
# Rooms of the room table, entered by the start-room option or by "goto room"
# in an opening script of our own: what the room change leaves in state.txt,
# and that the screen shows the right background with its overlays.
# Usage: rooms_start_room.sh KROXL GAME_DIR
set -u
KROXL=$1
GAME=$2
# Beside the build, not in /tmp: the game refuses to run from a RAM disk.
WORK=$(mktemp -d "$(dirname "$GAME")/kroxl-rooms-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
failures=0
CASE=

fail() {
  echo "FAIL [$CASE]: $*"
  failures=$((failures + 1))
}

# A program directory on the demo game's data. With a start room the game
# builds it directly; with -1 it plays the opening script, which is ours:
# "activate" followed by the lines given.
run_game() {
  CASE=$1
  local start=$2
  shift 2
  local dir="$WORK/$CASE"
  mkdir -p "$dir/source/scripts"
  for d in graphic sound movies readme.txt; do ln -s "$GAME/$d" "$dir/$d"; done
  for d in anim dialogs voice; do ln -s "$GAME/source/$d" "$dir/source/$d"; done
  for f in "$GAME"/source/scripts/*; do ln -s "$f" "$dir/source/scripts/"; done
  rm -f "$dir/source/scripts/htm.smx"
  printf '%s\r\n' "activate" "$@" >"$dir/source/scripts/htm.smx"
  printf '%s\r\n' "[indicator]" "Professor Kroxl" "[version]" "100" "[change resolution]" "true" \
    "[speed]" "1" "[music]" "true" "[wav]" "true" "[text]" "true" "[speak]" "true" "[base]" "user" \
    "[startnumber]" "$start" "[mixable]" "false" "[run cd]" "$dir" "[run from cd]" "false" \
    "[blood]" "true" >"$dir/optionsNT.pre"
  printf 'wait 3000\nidle 30000\n' >"$dir/replay.txt"
  (cd "$dir" && "$KROXL" --headless --replay replay.txt --dump out >out.log 2>&1) || fail "kroxl failed"
  STATE="$dir/out/state.txt"
  SCREEN="$dir/out/screen.bmp"
}

expect() {
  grep -qxF -- "$1" "$STATE" || fail "expected '$1', found '$(grep -F -- "${1%%=*}=" "$STATE" | head -1)'"
}

expect_slot() {  # slot left top width height hint
  expect "control.$1.Left=$2"
  expect "control.$1.Top=$3"
  expect "control.$1.Width=$4"
  expect "control.$1.Height=$5"
  expect "control.$1.Hint=$6"
}

expect_no_slots() {
  for s in Object1 object2 object3 object4 object5 object6; do expect "control.$s.Left=-1000"; done
}

# The protocol of the last change to room $1, from its headline to the
# hand-over, in order.
expect_protocol() {
  local want=$2 got
  got=$(awk -v head=" --- Change room ($1) -----------" '
    /^list Memo2 /{inlog=1; next} /^list /{inlog=0}
    inlog && $0==head {on=1; text=""} on {text=text $0 "\n"} on && $0=="  call runner ->" {on=0}
    END {printf "%s", text}' "$STATE")
  [ "$got" == "$want" ] || fail "protocol was:
$got"
}

# How many pixels (in %) of a picture file the screen shows at (x, y),
# counting only the pixels where the picture differs from the picture
# $BACKGROUND (or all of them when $BACKGROUND is the picture itself). Game
# paths are matched without regard to case, as the game does.
share_shown() {
  python3 "$(dirname "$0")/lib/screen.py" shows "$SCREEN" "$GAME" "$1" "$2" "$3" "$BACKGROUND"
}

# The room shows the picture $BACKGROUND: most of it, people and the
# protagonist aside.
expect_background() {
  local shown
  shown=$(share_shown "$BACKGROUND" 0 0)
  [ "${shown:-0}" -ge 60 ] || fail "background $BACKGROUND: only ${shown:-no} % on screen"
}

# An overlay shows at (x, y): at least half of what it changes in the
# background (people and the protagonist may stand in front of it).
expect_shown() {
  local shown
  shown=$(share_shown "$1" "$2" "$3")
  [ "${shown:-0}" -ge 50 ] || fail "$1 at $2,$3: only ${shown:-no} % of its changes shown"
}

expect_not_shown() {
  local shown
  shown=$(share_shown "$1" "$2" "$3")
  [ "${shown:-100}" -le 10 ] || fail "$1 at $2,$3: ${shown:-no} % of its changes shown"
}

# --- entered by the start-room option -------------------------------------

run_game archive 104
expect "room=104"
expect "Label2.Caption=Archiv"
expect_slot Object1 312 -100 65 33 "Buch"
expect_slot object2 360 224 121 153 "Archivar"
expect_slot object3 447 123 149 278 "Tür auf den Gang."
expect_slot object4 137 131 85 134 "Vitrine"
expect "control.object5.Left=-1000"
expect "control.object5.Hint="
expect_slot object6 376 74 23 22 "angeritztes Seil"
expect "Grenze.Left=100"
expect "Grenze.Width=450"
expect "control.zone.Left=0"
expect "control.zone.Top=200"
expect "control.zone.Width=640"
expect "control.zone.Height=280"
expect "list Memo4 $(grep -c '' "$GAME/source/anim/archivar.ani")"
expect "control.build.Enabled=false"
expect "control.Runner.Enabled=true"
expect_protocol 104 " --- Change room (104) -----------
 + checking resolution ...
 + reset objects
 + redefine objects
 + handle backgraphic
 + define variables
  Room: Archiv
  call runner ->"
expect "list errors 0"
BACKGROUND=/graphic/Archiv/hintergrund.bmp
expect_background
expect_shown /graphic/archiv/red0.bmp 336 176
expect_shown /graphic/archiv/buch0.bmp 290 299

# The canteen at the start of the game: the cheque lies on the counter but
# has no hot spot of its own yet.
run_game canteen 7
expect "Label2.Caption=Kantine"
expect "control.Object1.Top=-5000"
expect_slot object2 350 84 185 263 "Herr Tö l"
expect_slot object3 582 -1 500 402 "zum Gastgarten hinaus >>"
expect "control.object5.Left=-1000"
expect_slot object6 100 370 400 150 "\\/ zurück in den hinteren Raum \\/"
expect "Grenze.Left=-1200"
expect "Grenze.Width=-640"
expect "list Memo4 $(grep -c '' "$GAME/source/anim/toegl.ani")"
BACKGROUND=/graphic/toegl/hintergrund.bmp
expect_background
expect_shown /graphic/toegl/scheck0.bmp 48 175

run_game backroom 71
expect "Label2.Caption=Kantine2"
expect_slot Object1 -1 110 100 150 "<< hinaus auf den Gang"
expect_slot object5 0 317 88 60 "Plan"
expect "Grenze.Left=178"
expect "Grenze.Width=320"
# (The demo's day picture already shows the cheque as the overlays do.)
BACKGROUND=/graphic/toegl2/hintergrund.bmp
expect_background

# --- entered by "goto room" after story changes ---------------------------

run_game corridor-tidy -1 "change" "putzfrau 2" "goto room" "2"
expect "room=2"
expect "Label2.Caption=Gang"
expect "Grenze.Left=0"
expect "Grenze.Width=640"
expect "control.zone.Width=800"
expect "control.object4.Left=-1000"
expect "control.object5.Left=-1000"
expect_slot Object1 144 144 121 193 "Büro der Sekräterin"
expect_protocol 2 " --- Change room (2) -----------
 + reset objects
 + redefine objects
 + handle backgraphic
 + define variables
  Room: Gang
  call runner ->"
BACKGROUND=/graphic/gang/hintergrund2.bmp
expect_background

run_game corridor-night -1 "change" "night" "goto room" "2"
expect "Grenze.Width=200"
expect_slot object4 462 202 187 198 "Putzfrau"
BACKGROUND=/movies/cls.bmp
expect_background

run_game corridor2-night -1 "change" "putzkammerl 1" "change" "night" "goto room" "3"
expect "Label2.Caption=Gang2"
BACKGROUND=/movies/cls.bmp
expect_background

run_game backroom-night -1 "change" "night" "goto room" "71"
BACKGROUND=/graphic/toegl2/night.bmp
expect_background
expect_not_shown /graphic/toegl2/scheck0a.bmp 221 195
expect_not_shown /graphic/toegl2/scheck0.bmp 221 195

run_game workshop -1 "change" "hubert 4" "goto room" "8"
expect "Label2.Caption=Bastelraum"
expect "control.object2.Top=-600"
expect "control.object3.Top=-600"
expect "list Memo4 $(grep -c '' "$GAME/source/anim/hubert.ani")"
BACKGROUND=/graphic/bastelraum/hintergrund2.bmp
expect_background
expect_shown /graphic/bastelraum/tool.bmp 361 125

# A number the table does not know keeps the office's name, music, table and
# background, but none of its hot spots.
run_game unknown -1 "goto room" "1" "goto room" "-23552"
expect "room=-23552"
expect "Label2.Caption=Buero"
expect "Label5.Caption=$WORK/unknown\\sound\\music\\buero.mid"
expect "list Memo4 $(grep -c '' "$GAME/source/anim/corinna.ani")"
expect_no_slots
expect "control.zone.Left=120"
expect "control.zone.Width=600"
expect "Grenze.Left=0"
expect "Grenze.Width=640"
BACKGROUND=/graphic/buero/hintergrund.bmp
expect_background

run_game clear-screen -1 "goto room" "1" "goto room" "123456"
expect "Label2.Caption=Buero"
expect_no_slots
BACKGROUND=/movies/cls.bmp
expect_background

# The corridor keeps the office's people table; the ground floor clears it.
run_game tables -1 "goto room" "1" "goto room" "3"
expect "list Memo4 $(grep -c '' "$GAME/source/anim/corinna.ani")"
run_game tables-cleared -1 "goto room" "1" "goto room" "3" "goto room" "4"
expect "list Memo4 0"

# Every change moves the walk target 30 pixels to the left, the same room too.
run_game walk-target -1 "jump to" "400" "goto room" "1" "goto room" "1"
expect "control.block.Left=340"

[ "$failures" -eq 0 ] || exit 1
echo "rooms_start_room: all checks passed"
