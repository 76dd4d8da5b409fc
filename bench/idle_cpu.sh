#!/bin/bash
# CPU share of the game's window process under Xvfb, over 10 s each:
#   idle    - the title screen waits for the player: no timer runs, nothing is drawn;
#   playing - after the first choice: the runner ticks every 55 ms.
# The target for idle is under 2 % of one core.
#
# Usage: bench/idle_cpu.sh [KROXL [GAME_DIR]]   (default: build/kroxl build/game)
# SECONDS_PER_FIGURE changes the 10 s.
REPO=$(cd "$(dirname "$0")/.." && pwd)
set -- "$(realpath "${1:-$REPO/build/kroxl}")" "$(realpath "${2:-$REPO/build/game}")"
. "$REPO/tests/blackbox/lib/common.sh"
. "$REPO/tests/blackbox/lib/window_session.sh"
need_window_tools
MEASURE=${SECONDS_PER_FIGURE:-10}

# User and system CPU time of a process or thread, in clock ticks.
# Usage: cpu_ticks /proc/PID[/task/TID]
cpu_ticks() {
  # The fields after the command name, which ends with the last ")".
  sed 's/.*) //' "$1/stat" | awk '{ print $12 + $13 }'
}

# Prints the CPU share, in percent of one core over MEASURE seconds, of the
# whole process and of its main thread (the game, the window and its drawing;
# the others are audio mixing and the graphics driver's helpers).
cpu_share() {
  local hz start end p0 p1 m0 m1
  hz=$(getconf CLK_TCK)
  p0=$(cpu_ticks "/proc/$GAME_PID")
  m0=$(cpu_ticks "/proc/$GAME_PID/task/$GAME_PID")
  start=$(date +%s.%N)
  sleep "$MEASURE"
  p1=$(cpu_ticks "/proc/$GAME_PID")
  m1=$(cpu_ticks "/proc/$GAME_PID/task/$GAME_PID")
  end=$(date +%s.%N)
  awk -v p="$((p1 - p0))" -v m="$((m1 - m0))" -v hz="$hz" -v s="$start" -v e="$end" \
    'BEGIN { printf "%.1f %% of one core (main thread %.1f %%)", 100 * p / hz / (e - s), 100 * m / hz / (e - s) }'
}

# Starts the game and waits for the title screen, the pointer where the
# title screen puts it.
start_at_title() {
  start_game
  window_geometry
  xdotool mousemove "$((WIN_X + 641))" "$((WIN_Y + 701))"
  poll 40 "the window did not show the title screen" shows_picture "$WORK/title.png" 1280 960 0 0 0.002
  # The screenshots themselves wake nobody, but let the last frame settle.
  sleep 1
}

stop_game() {
  kill -TERM "$GAME_PID"
  wait "$GAME_PID" || true
  GAME_PID=
}

make_root
title_reference
start_xvfb 1600x1200
start_at_title
idle=$(cpu_share)

click_at 200 400
title_gone() {
  window_shot "$WORK/window.png"
  ! below "$(mean_difference "$WORK/window.png" "$WORK/expected.png")" 0.05
}
poll 20 "the title screen stayed after the click" title_gone
sleep 2
playing=$(cpu_share)
game_running
stop_game

# The title music is synthesised while the title screen waits; without it
# only the window's own loop is left.
sed -i '/^\[music\]\r$/{n;s/^true/false/}' "$ROOT/optionsNT.pre"
grep -a -A1 '^\[music\]' "$ROOT/optionsNT.pre" | grep -q '^false' || fail "cannot switch the music off"
start_at_title
quiet=$(cpu_share)

echo "over $MEASURE s each, the whole process and its main thread:"
echo "idle window, title screen, nothing due, title music: $idle; target: under 2 %"
echo "idle window, the same without music:                 $quiet"
echo "playing (runner every 55 ms):                        $playing"
