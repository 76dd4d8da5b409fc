#!/bin/bash
# The installed game as a player starts it: from the read-only prefix, in a
# fresh home, under Xvfb. Into a room, saved through the menu, quit; started
# again, loaded through the menu: the professor is back where he was, the
# saved game lies in the user directory and nothing changed under the prefix.
# Usage: play_installed.sh BUILD PREFIX
set -eu
BUILD=$1
PREFIX=$2
# The black-box helpers, with the installed program.
set -- "$PREFIX/bin/kroxl" "$BUILD/game"
. "$(dirname "$0")/../blackbox/lib/common.sh"
. "$(dirname "$0")/../blackbox/lib/window_session.sh"
need_window_tools

# ROOT, where the game is started, holds no game data.
mkdir -p "$ROOT"
export HOME=$WORK/home XDG_DATA_HOME=$WORK/xdg
USERDIR=$XDG_DATA_HOME/kroxl

# Running as root, a read-only prefix would not stop a write: a listing with
# times and sizes before and after catches one.
prefix_listing() { find "$PREFIX" -printf '%p %s %T@ %m\n' | sort; }
chmod -R a-w "$PREFIX"
trap 'chmod -R u+w "$PREFIX"; stop_session' EXIT
BEFORE=$(prefix_listing)

# Headless runs of the same steps draw what the window must show at the
# title screen, once the intro is over and once the professor stands in the
# secretary's room, each with the player in control. Usage: reference NAME ROOM (replay on stdin)
reference() {
  { cat; printf 'idle 60000\nmove 320 100\nwait 500\n'; } > "$WORK/$1.replay"
  (cd "$ROOT" && "$KROXL" --headless --replay "$WORK/$1.replay" --dump "$DUMP" --user-dir "$WORK/reference" \
    2> "$WORK/stderr") || { cat "$WORK/stderr" >&2; fail "the headless run failed"; }
  expect_value room "$2"
  convert "$DUMP/screen.bmp" "$WORK/$1.png"
}
INTRO='wait 2000
move 100 200
click left 100 200
wait 1000
key Enter
wait 1000
key Enter'
reference title -1 <<< 'wait 3000'
reference intro -1 <<< "$INTRO"
reference room 1 << REPLAY
$INTRO
idle 60000
move 541 270
move 540 270
click left 540 270
REPLAY
reference walked 1 << REPLAY
$(cat "$WORK/room.replay")
move 150 380
click left 150 380
REPLAY

# The window shows the picture twice as large: clicks at twice its pixels.
at() { click_at $(($1 * 2)) $(($2 * 2)); }
point() { window_geometry && xdotool mousemove $((WIN_X + $1 * 2)) $((WIN_Y + $2 * 2)); }
shows() { point 320 100 && shows_picture "$WORK/$1.png" 1280 960 0 0 0.02; }
# From the title screen through the intro, skipped with Enter.
through_intro() {
  poll 60 "the window did not show the title screen" shows title
  at 100 200
  sleep 1
  xdotool key Return
  sleep 1
  xdotool key Return
  poll 60 "the window did not show the end of the intro" shows intro
  at 540 270
  poll 60 "the window did not show the secretary's room" shows room
}

start_xvfb 1600x1200
start_game --dump "$WORK/first"
through_intro
at 150 380
poll 60 "the professor did not walk to the left" shows walked
xdotool key Escape
sleep 1
at 260 220
sleep 1
xdotool type abend
xdotool key Return
saved() { [ -s "$USERDIR/savegames/abend.kvt" ]; }
poll 20 "the menu did not save the game into $USERDIR/savegames" saved
sleep 1
quit_game
SAVED_AT=$(sed -n 9p "$USERDIR/savegames/abend.kvt" | tr -d '\r')
[ -s "$USERDIR/savegames/abend.kvt.bmp" ] || fail "no thumbnail beside the saved game"
grep -qx 'room=1' "$WORK/first/state.txt" || fail "the first session did not end in room 1"

# Started again: through the intro into the room, then the load screen's first game.
start_game --dump "$WORK/second"
through_intro
xdotool key Escape
sleep 1
at 320 220
sleep 1
at 122 158
sleep 1
at 388 351
sleep 1
poll 60 "the window did not show the saved place after loading" shows walked
quit_game
DUMP=$WORK/second
expect_value room 1
expect_value posit.Tag "$SAVED_AT"
expect_value control.cd.Caption "$PREFIX/share/kroxl"
expect_value control.cd2.Caption "$USERDIR"
[ "$(list errors | wc -l)" -eq 0 ] || fail "errors: $(list errors)"
[ -z "$(ls -A "$ROOT")" ] || fail "files written where the game was started: $(ls -A "$ROOT")"
[ "$(prefix_listing)" = "$BEFORE" ] || fail "the game wrote under the prefix: $(diff <(echo "$BEFORE") <(prefix_listing) | head -5)"
echo "saved in room 1 at $SAVED_AT, loaded back there; the prefix is untouched"
