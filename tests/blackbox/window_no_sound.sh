#!/bin/bash
# On a machine without a sound device the window plays silent and says so in
# one line, not in a screenful of the sound libraries' errors. ALSA with an
# empty configuration stands in for a machine without a sound card.
. "$(dirname "$0")/lib/common.sh"
. "$(dirname "$0")/lib/window_session.sh"
need_window_tools

make_root
: > "$WORK/alsa.conf"
export ALSA_CONFIG_PATH=$WORK/alsa.conf
GAME_AUDIO_DRIVER=alsa

start_xvfb 800x600
start_game
said_it() { game_running && grep -q "without sound" "$WORK/kroxl.err"; }
poll 20 "the game did not say that it plays without sound" said_it

one_line() {
  [ "$(wc -l < "$WORK/kroxl.err")" = 1 ] || { cat "$WORK/kroxl.err" >&2; fail "more than one line on stderr ($1)"; }
}
one_line "at the start"
echo "stderr: $(cat "$WORK/kroxl.err")"

kill -TERM "$GAME_PID"
wait "$GAME_PID" && status=0 || status=$?
GAME_PID=
[ "$status" = 0 ] || { cat "$WORK/kroxl.err" >&2; fail "the game ended with status $status"; }
one_line "after quitting"
