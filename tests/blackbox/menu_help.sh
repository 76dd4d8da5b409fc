#!/bin/bash
# The menu's help entry: the desktop's opener gets a UTF-8 copy of the readme
# in the user's cache; where there is no opener, the readme shows in a window
# of the game, with its umlauts, and Escape closes it back to the menu.
. "$(dirname "$0")/lib/common.sh"
make_root
export GAME XDG_CACHE_HOME=$WORK/cache
game_file source/scripts/htm.smx "activate" "goto room" "2"
colour() { python3 "$(dirname "$0")/lib/screen.py" colour "$DUMP/$1" "$2" "$3"; }
COPY=$XDG_CACHE_HOME/kroxl/readme.txt

HELP="wait 3000
idle 30000
key Escape
move 399 225
move 398 225
click left 398 225
wait 300
screenshot help.bmp"

play <<< "$HELP"
grep -qxF "shell open: $COPY" "$WORK/stderr" || fail "the opener did not get the copy: $(grep 'shell open' "$WORK/stderr")"
iconv -f UTF-8 -t UTF-8 "$COPY" > /dev/null || fail "the copy is not UTF-8"
[ "$(iconv -f CP1252 -t UTF-8 "$ROOT/readme.txt")" = "$(cat "$COPY")" ] || fail "the copy differs from the readme"
[ "$(colour help.bmp 100 28)" != "0 0 128" ] || fail "a window of the game opened although the desktop took the readme"

play --no-opener <<< "$HELP
key Escape
wait 100"
grep -qxF "shell open: $COPY (no program to open it)" "$WORK/stderr" || fail "no attempt to open the copy"
# The game's window: its title bar across the top, a white text field below
# (at its right, where no line of text reaches).
[ "$(colour help.bmp 100 28)" = "0 0 128" ] || fail "no window of the game shows the readme"
[ "$(colour help.bmp 592 380)" = "255 255 255" ] || fail "the window shows no text field"
[ "$(colour screen.bmp 100 28)" != "0 0 128" ] || fail "Escape did not close the window"
expect_value mode.Caption menu
