#!/bin/bash
# Files a hostile player can hand the real program: a saved game whose music
# leaves the data root or names forty stars, an animation table and a picture
# that are named pipes. Each is an error line (or, for the picture a script
# draws, the runner's error that ends the game), never a hang.
. "$(dirname "$0")/lib/common.sh"
make_root
game_file source/scripts/htm.smx "activate" "goto room" "2"

# The corridor's animation table is a named pipe.
rm "$ROOT/source/anim"
mkdir "$ROOT/source/anim"
for f in "$GAME"/source/anim/*; do ln -s "$f" "$ROOT/source/anim/"; done
rm "$ROOT/source/anim/putzfrau.ani"
mkfifo "$ROOT/source/anim/putzfrau.ani"

stars=$(printf '*%.0s' $(seq 40))
game_file savegames/feind.kvt "[Professor Kroxl Spielstand]" "100" "01.01.2000 00:00:00" "" \
  "form definitions:" "[room:]" "2" "[position:]" "333" \
  "[midi:]" '\..\..\..\..\..\..\..\..\etc\passwd' "[midi:]" "\\sound\\music\\${stars}x" "[write empty]"

play <<REPLAY
wait 3000
idle 30000
key Escape
click left 320 220
click left 122 158
click left 388 351
idle 30000
REPLAY
expect_value room 2
expect_value posit.Tag 333
expect_value control.Runner.Enabled true
expect_in_list errors 'ERROR! File outside the data directory: "\..\..\..\..\..\..\..\..\etc\passwd"!'
expect_in_list errors "ERROR! File not found: \"$ROOT\\source\\anim\\putzfrau.ani\"!"

# A picture a script draws is a named pipe: the runner's failure ends the game.
mkfifo "$ROOT/source/scripts/falle.bmp"
game_file source/scripts/htm.smx "activate" "goto room" "2" "bitmap" '\source\scripts\falle.bmp' "0" "0"
play <<REPLAY
wait 3000
idle 30000
REPLAY
grep -q "falle.bmp: not a regular file" "$WORK/stderr" || fail "no error about the pipe: $(cat "$WORK/stderr")"
exit 0
