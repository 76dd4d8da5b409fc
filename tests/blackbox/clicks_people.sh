#!/bin/bash
# The people in the rooms: after a few ticks in each room with people, the
# pictures that their room always shows stand where they belong.
source "$(dirname "$0")/clicks_lib.bash" "$@"

# Optionally the protagonist first walks out of the way (a click at x).
people_in() {
  local room=$1 away=${2:-}
  new_root "$room"
  if [ -n "$away" ]; then
    play "click left $away 390" "ticks 100" "ticks 12"
  else
    play "ticks 12"
  fi
  check "room $room was built" equals "$(value room)" "$room"
  check "room $room: no picture is missing" equals "$(list errors | wc -l)" 0
}

people_in 1
check "Corinna's hands" shows 90 237 graphic/corinna/writing0.bmp graphic/corinna/writing1.bmp \
  graphic/corinna/writing2.bmp
check "Corinna's mouth, closed" shows 90 218 graphic/corinna/talking0.bmp

people_in 2
check "the cleaner's mouth" shows 477 219 graphic/gang/sprech0.bmp

people_in 500
check "Motty's mouth" shows 299 151 graphic/minigolf/red0.bmp

people_in 8
check "Hubert's face" shows 453 193 graphic/bastelraum/talking0.bmp

people_in 104
check "the archivist's face" shows 336 176 graphic/archiv/red0.bmp

people_in 201
check "Franz at the printer" shows 41 141 graphic/printerroom/franz{1,2,3,4,5,6}.bmp

people_in 6
check "Zweistein's mouth" shows 109 210 graphic/zweistein/red0.bmp

people_in -10003 100
check "the gardener's eyes" shows 251 130 graphic/out2/gartnereye0.bmp graphic/out2/gartnereye1.bmp
check "the old woman's eyes" shows 340 210 graphic/out2/omaeye0.bmp graphic/out2/omaeye1.bmp

people_in -10001 300
check "the waterfall" shows 344 262 graphic/out1/wasserfall{1,2,3,4}.bmp
check "the river" shows 344 381 graphic/out1/fluss.bmp

# The agent sits in the canteen once the cheque lies on his table; a click in
# the library sets that and goes there.
new_root 6
script Bibliothek2l.smx "change" "scheck 1" "goto room" "7"
play "click left 516 250" "idle 60000" "ticks 12"
check "the canteen was entered" equals "$(value room)" 7
check "the agent's face" shows 351 128 graphic/toegl/ciatalk0.bmp

# Without the cheque on the table there is no agent.
new_root 7
play "ticks 12"
check "no agent before the cheque" not shows 351 128 graphic/toegl/ciatalk0.bmp

finish
