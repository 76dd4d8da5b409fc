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

# Polls a command until it succeeds. Usage: poll SECONDS MESSAGE COMMAND...
poll() {
  local seconds=$1 message=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "$message (waited $seconds s)"
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

# Starts the game in the program directory and waits for its window.
start_game() {
  (cd "$ROOT" && exec env -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy "$KROXL" > "$WORK/kroxl.out" 2> "$WORK/kroxl.err") &
  GAME_PID=$!
  window_found() {
    game_running
    WINDOW=$(xdotool search --name '^Professor Kroxl$' 2> /dev/null | head -1)
    [ -n "$WINDOW" ]
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

# Moves the pointer to a window position and clicks there. Usage: click_at X Y
click_at() {
  window_geometry
  xdotool mousemove "$((WIN_X + $1))" "$((WIN_Y + $2))" click 1
}
