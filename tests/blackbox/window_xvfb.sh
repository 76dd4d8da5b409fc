#!/bin/bash
# The real window on a private X server: it shows the same title screen as
# the headless run, pixel for pixel at twice the size, keeps the picture's
# aspect with black bars when resized, goes full screen and back with F11 on a
# server without a window manager, takes a click on the title screen but none
# in the bars beside it, and ends the game cleanly when asked to quit.
. "$(dirname "$0")/lib/common.sh"
. "$(dirname "$0")/lib/window_session.sh"
need_window_tools

make_root
title_reference

start_xvfb 1600x1200
start_game
window_geometry
[ "$WIN_W" = 1280 ] && [ "$WIN_H" = 960 ] || fail "window is ${WIN_W}x${WIN_H}, not twice the game's size"
xdotool mousemove "$((WIN_X + 641))" "$((WIN_Y + 701))"

shows_title() { shows_picture "$WORK/title.png" "$@"; }

# Whole-number scaling shows every pixel as a 2 x 2 block: nearly no difference.
poll 40 "the window did not show the title screen" \
  shows_title 1280 960 0 0 0.002
echo "title at 1280x960: difference $DIFF"

# A wide window: the picture is stretched to the full height, bars left and right.
xdotool windowsize "$WINDOW" 1200 600
poll 15 "the wide window did not show the title 800x600 between bars" \
  shows_title 800 600 200 0 0.01
echo "title at 800x600 in 1200x600: difference $DIFF"

# A tall window that fits the picture once: 640 x 480, sharp, bars all round.
xdotool windowsize "$WINDOW" 700 900
poll 15 "the tall window did not show the title 640x480 between bars" \
  shows_title 640 480 30 210 0.002
echo "title at 640x480 in 700x900: difference $DIFF"

# F11 on a server without a window manager: the window covers the screen and
# the picture fills it; F11 again gives the window its place and size back.
xdotool key --window "$WINDOW" F11
covers_screen() {
  window_geometry
  [ "$WIN_X,$WIN_Y,$WIN_W,$WIN_H" = "0,0,1600,1200" ] && shows_title 1600 1200 0 0 0.01
}
poll 15 "F11 did not cover the screen (window ${WIN_W}x${WIN_H} at $WIN_X,$WIN_Y)" covers_screen
echo "full screen: ${WIN_W}x${WIN_H}, difference $DIFF"
xdotool key --window "$WINDOW" F11
windowed_again() {
  window_geometry
  [ "$WIN_W,$WIN_H" = "700,900" ] && shows_title 640 480 30 210 0.002
}
poll 15 "F11 again did not bring the window back (${WIN_W}x${WIN_H})" windowed_again
echo "back in the window: difference $DIFF"

# A click in the bar beside the left column is no click on its edge: the
# title screen stays.
click_at 10 $((210 + 200))
sleep 1
shows_title 640 480 30 210 0.002 || fail "a click in the bar acted on the picture (difference $DIFF)"
echo "click in the bar: title stays, difference $DIFF"

# A click on the left column starts the game: the title screen goes away.
click_at $((30 + 100)) $((210 + 200))
title_gone() {
  game_running
  window_shot "$WORK/window.png"
  convert "$WORK/window.png" -crop "640x480+30+210" +repage "$WORK/picture.png"
  DIFF=$(mean_difference "$WORK/picture.png" "$WORK/title.png")
  ! below "$DIFF" 0.05
}
poll 20 "the title screen stayed after the click" title_gone
echo "after the click: difference $DIFF"

# Asking the program to quit closes the main window, and the game ends cleanly.
kill -TERM "$GAME_PID"
ended() { ! kill -0 "$GAME_PID" 2> /dev/null; }
poll 20 "the game did not end after it was asked to quit" ended
wait "$GAME_PID" && status=0 || status=$?
GAME_PID=
[ "$status" = 0 ] || { cat "$WORK/kroxl.err" >&2; fail "the game ended with status $status"; }
echo "quit: status 0"
