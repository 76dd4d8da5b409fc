#!/bin/bash
# Enter turns the walks of a scene into jumps: the room must show no copy of
# the protagonist where he stood before a jump, neither when the intro is
# skipped during the studio logo nor when he is walking out of the boss's
# office.
. "$(dirname "$0")/lib/common.sh"
make_root
export GAME

# Per cent of a rectangle of the screen that shows the room's own picture.
same() { python3 "$(dirname "$0")/lib/screen.py" same "$DUMP/screen.bmp" "$@"; }

expect_bare() {
  local shown
  shown=$(same "$@")
  [ "${shown:-0}" -ge 95 ] || fail "$1 at $2,$3 ($4 x $5): only ${shown:-no} % of it on screen"
}

# Enter during the studio logo: he jumps to the boss's door (480) and then to
# where the boss receives him (330). His body stood at 480 to 604.
play <<'REPLAY'
wait 2000
move 100 200
click left 100 200
wait 3000
key Enter
idle 900000
REPLAY
expect_value room -1
expect_value posit.Tag 330
expect_bare /graphic/BigBoss/hintergrund.bmp 540 230 64 160

# Enter while he walks out of the office: in the next room he jumps to 440
# and then to 300, so his body stood at 440 to 564.
play <<'REPLAY'
wait 2000
move 100 200
click left 100 200
idle 900000
move 541 270
move 540 270
click left 540 270
ticks 8
key Enter
idle 900000
REPLAY
expect_value room 1
expect_value posit.Tag 300
expect_bare /graphic/buero/hintergrund.bmp 510 230 54 160
