#!/bin/bash
# A bug report that replays: a session in the real window, driven by
# xdotool, with clicks on the floor while the professor is still walking, is
# recorded with --record; the headless replay of the file from the same data
# and a fresh user directory ends in the very state the window ended in
# (room, position, queue, inventory: all of state.txt). F12 on the way writes
# a PNG of the game's picture into the user directory and says where.
. "$(dirname "$0")/lib/common.sh"
. "$(dirname "$0")/lib/window_session.sh"
need_window_tools

make_root
# The corridor at once, with the player in control.
game_file source/scripts/htm.smx "activate" "goto room" "2"
RECORD=$WORK/session.replay
start_xvfb 1600x1200
start_game --record "$RECORD" --dump "$WORK/window-dump" --user-dir "$WORK/user"
poll 60 "the window did not show the corridor" shows_room

# Clicks on the floor (picture y 330..390, the window shows it twice as
# large), each while the walk to the one before is on its way.
click_at 1100 700
sleep 0.4
click_at 300 740
sleep 0.3
click_at 800 720
xdotool key F12
shot_said() { grep -q "^kroxl: screenshot saved to " "$WORK/kroxl.out"; }
poll 20 "F12 did not say where the screenshot went" shot_said
sleep 0.5
click_at 500 760
sleep 0.2
quit_game

SHOT=$(sed -n 's/^kroxl: screenshot saved to //p' "$WORK/kroxl.out")
case $SHOT in
  "$WORK/user/screenshots/kroxl-"*.png) ;;
  *) fail "the screenshot is not in the user directory: $SHOT" ;;
esac
[ "$(identify -format '%m %wx%h' "$SHOT")" = "PNG 640x480" ] || fail "not a 640x480 PNG: $(identify "$SHOT")"
below "$(convert "$SHOT" -colorspace gray -format '%[fx:mean]' info:)" 0.1 && fail "the screenshot is black"
echo "screenshot: $SHOT"

[ -s "$WORK/window-dump/state.txt" ] || fail "the window wrote no dump"
grep -q '^seed [0-9]' "$RECORD" || fail "no seed recorded"
[ "$(grep -c '^down left' "$RECORD")" = 4 ] || fail "not the four clicks recorded: $(grep -c '^down left' "$RECORD")"

# The replay, from a fresh user directory as the session had it.
(cd "$ROOT" && "$KROXL" --headless --replay "$RECORD" --dump "$DUMP" --user-dir "$WORK/user2" 2> "$WORK/stderr") ||
  { cat "$WORK/stderr" >&2; fail "the replay failed"; }
# Only the user directory and the date the options file was written differ.
comparable() { grep -v -e '^control\.cd2\.Caption=' -e '^The last time this file was edited' "$1"; }
if ! diff <(comparable "$WORK/window-dump/state.txt") <(comparable "$DUMP/state.txt") > "$WORK/diff"; then
  head -20 "$WORK/diff" >&2
  fail "the replay did not end where the window did"
fi
start=$(grep -m1 '^posit.Tag=' "$DUMP/state.txt")
echo "replayed to $(grep -m1 '^room=' "$DUMP/state.txt"), $start: the same state as the window"
