# Shared by the tests and benchmarks of the real window: a private X server
# (Xvfb) with the game in it, screenshots of the window, and picture
# comparisons. Sourced after common.sh, which sets WORK, ROOT, KROXL and GAME.

XVFB_PID=
GAME_PID=
WINDOW=

# Exits with 77 (CTest's "skipped") when a tool of the window tests is missing.
need_window_tools() {
  local tool
  for tool in Xvfb xdotool import convert compare identify; do
    command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed" >&2; exit 77; }
  done
}

stop_session() {
  [ -n "$GAME_PID" ] && kill "$GAME_PID" 2> /dev/null && wait "$GAME_PID" 2> /dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2> /dev/null && wait "$XVFB_PID" 2> /dev/null
  rm -rf "$WORK"
}
trap 'stop_session' EXIT

# Polls a command until it succeeds; a picture check's last difference goes
# into the failure message. Usage: poll SECONDS MESSAGE COMMAND...
poll() {
  local seconds=$1 message=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  DIFF=
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$message (waited $seconds s${DIFF:+, last difference $DIFF})"
    sleep 0.2
  done
}

# Starts Xvfb on a free display. Usage: start_xvfb WIDTHxHEIGHT
start_xvfb() {
  local displayfile=$WORK/display
  : > "$displayfile"
  Xvfb -displayfd 9 -screen 0 "$1x24" -nolisten tcp 9> "$displayfile" 2> "$WORK/xvfb.log" &
  XVFB_PID=$!
  display_ready() {
    kill -0 "$XVFB_PID" 2> /dev/null || { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
    grep -q '^[0-9][0-9]*$' "$displayfile"
  }
  poll 20 "Xvfb did not report its display" display_ready
  export DISPLAY=":$(cat "$displayfile")"
}

# Starts the game in the program directory and waits for its window. Its
# sound goes to SDL's dummy driver unless GAME_AUDIO_DRIVER names another.
start_game() {
  (cd "$ROOT" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER="${GAME_AUDIO_DRIVER:-dummy}" "$KROXL" \
    > "$WORK/kroxl.out" 2> "$WORK/kroxl.err") &
  GAME_PID=$!
  # SDL may replace its first window by a new one of the same name while it
  # sets up drawing (slowly, under the sanitizers): the window counts once the
  # same one is found twice in a row and answers.
  WINDOW=
  window_found() {
    game_running
    local found
    found=$(xdotool search --name '^Professor Kroxl$' 2> /dev/null | head -1)
    [ -n "$found" ] && [ "$found" = "$WINDOW" ] && xdotool getwindowgeometry "$found" > /dev/null 2>&1 && return 0
    WINDOW=$found
    return 1
  }
  poll 30 "the game's window did not appear" window_found
}

game_running() {
  kill -0 "$GAME_PID" 2> /dev/null || { cat "$WORK/kroxl.err" >&2; fail "the game is not running"; }
}

# Sets WIN_X, WIN_Y, WIN_W, WIN_H to the window's place on the screen.
window_geometry() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$')"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# The window's content as the screen shows it, to FILE (PNG). With
# KROXL_SHOTS set to a directory, each shot is also kept there, numbered.
SHOT_NUMBER=0
window_shot() {
  window_geometry
  import -window root "$WORK/root.png"
  convert "$WORK/root.png" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$1"
  if [ -n "${KROXL_SHOTS:-}" ]; then
    SHOT_NUMBER=$((SHOT_NUMBER + 1))
    mkdir -p "$KROXL_SHOTS"
    cp "$WORK/root.png" "$KROXL_SHOTS/$(printf %03d "$SHOT_NUMBER").png"
  fi
}

# Mean absolute difference of two pictures of the same size, 0 (equal) to 1.
mean_difference() {
  compare -metric MAE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}

# Whether a number is below a limit. Usage: below VALUE LIMIT
below() {
  awk -v v="$1" -v l="$2" 'BEGIN { exit !(v != "" && v < l) }'
}

# The title screen as the headless run draws it, with the pointer where the
# title screen puts it, to $WORK/title.png. Leaves no options file behind, so
# the window's run is a first start too.
title_reference() {
  play <<'REPLAY'
wait 3000
move 320 350
REPLAY
  [ "$(list Memo1 | head -1)" = wahl ] || fail "the headless run did not reach the title screen"
  convert "$DUMP/screen.bmp" "$WORK/title.png"
  rm -f "$ROOT/optionsNT.pre"
}

# Whether the window shows a picture scaled to WIDTH x HEIGHT at LEFT, TOP
# (window pixels) with black everywhere else. Sets DIFF to the mean
# difference. Whole-number sizes are compared with the picture enlarged pixel
# by pixel, others with a smooth enlargement.
# Usage: shows_picture PICTURE WIDTH HEIGHT LEFT TOP LIMIT
shows_picture() {
  local picture=$1 w=$2 h=$3 x=$4 y=$5 limit=$6
  DIFF=
  game_running
  window_shot "$WORK/window.png"
  [ "$(identify -format %wx%h "$WORK/window.png")" = "${WIN_W}x${WIN_H}" ] || return 1
  convert "$WORK/window.png" -crop "${w}x${h}+${x}+${y}" +repage "$WORK/picture.png"
  local pw ph
  read -r pw ph <<< "$(identify -format '%w %h' "$picture")"
  if [ $((w % pw)) -eq 0 ] && [ $((h % ph)) -eq 0 ] && [ $((w / pw)) -eq $((h / ph)) ]; then
    convert "$picture" -sample "${w}x${h}!" "$WORK/expected.png"
  else
    convert "$picture" -resize "${w}x${h}!" "$WORK/expected.png"
  fi
  DIFF=$(mean_difference "$WORK/picture.png" "$WORK/expected.png")
  below "$DIFF" "$limit" || return 1
  local bars
  bars=$(convert "$WORK/window.png" -fill black -draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))" \
    -format '%[fx:maxima]' info:)
  [ "$bars" = 0 ] || { echo "the bars around the picture are not black" >&2; return 1; }
}

# Moves the pointer to a window position and clicks there. Usage: click_at X Y
click_at() {
  window_geometry
  xdotool mousemove "$((WIN_X + $1))" "$((WIN_Y + $2))" click 1
}
