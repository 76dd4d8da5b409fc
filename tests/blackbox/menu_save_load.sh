#!/bin/bash
# The in-game menu of the real program: Escape opens it, its save entry
# writes a saved game with a thumbnail, its load entry brings the saved
# place back through the loading pictures; an old saved game asks first.
. "$(dirname "$0")/lib/common.sh"
make_root
game_file source/scripts/htm.smx "activate" "goto room" "2"

# The load screen lies centred: its first list row and its OK button.
FIRST_GAME="click left 122 158"
OK="click left 388 351"

play <<REPLAY
wait 3000
idle 30000
key Escape
click left 260 220
type abend
key Enter
key Escape
click left 60 380
idle 30000
key Escape
click left 320 220
$FIRST_GAME
$OK
idle 30000
REPLAY
[ -s "$ROOT/savegames/abend.kvt" ] || fail "no saved game written"
[ "$(head -c 2 "$ROOT/savegames/abend.kvt.bmp")" = BM ] || fail "no thumbnail written"
saved_position=$(sed -n 9p "$ROOT/savegames/abend.kvt" | tr -d '\r')
grep -qxF "walking to $saved_position" <(list Memo2) || fail "the protagonist did not walk away from $saved_position"
expect_value room 2
expect_value posit.Tag "$saved_position"
expect_value mode.Caption normal
expect_value control.Runner.Enabled true
[ -e "$ROOT/temp.bmp" ] && fail "temp.bmp left behind"
[ "$(list errors | wc -l)" -eq 0 ] || fail "errors: $(list errors)"

# The same game as version 6: the question, the sound warning, the error line.
sed -i '2s/.*/6\r/' "$ROOT/savegames/abend.kvt"
play <<REPLAY
wait 3000
idle 30000
key Escape
click left 320 220
$FIRST_GAME
answer yes
answer ok
$OK
idle 30000
REPLAY
grep -q 'message box "Sie sind dabei einen Spielstand der Version 0.6 zu laden.*": yes' "$WORK/stderr" ||
  fail "no version question"
grep -q 'message box "WARNUNG! Sie sind dabei einen Spielstand zu laden, der noch das alte Soundsystem.*": ok' \
  "$WORK/stderr" || fail "no sound warning"
expect_in_list errors "WARNING! Loading an old version of savegame."
expect_value posit.Tag "$saved_position"
exit 0
