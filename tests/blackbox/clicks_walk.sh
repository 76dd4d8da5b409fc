#!/bin/bash
# Walking by clicks on the floor: the walk targets with the strip's clamps and
# the room's limits, and the double click that puts the protagonist there at
# once. After the start-up he stands at 302 (his first walk goes to 300).
source "$(dirname "$0")/clicks_lib.bash" "$@"

# walk_target ROOM X: the walk target of one click on the floor at x.
walk_target() {
  new_root "$1"
  play "click left $2 390" "ticks 1"
  value control.block.Left
}

# The printer room: the strip spans the picture, the limits are 0 and 640.
check "a click at x 10 walks to 100" equals "$(walk_target 201 10)" 100
check "a click in the middle walks to x - 40" equals "$(walk_target 201 300)" 260
check "a click past width - 100 walks to width - 200" equals "$(walk_target 201 590)" 440
# The workshop's limits are 150 and 200, and they win.
check "left of the left limit" equals "$(walk_target 8 100)" 150
check "right of the right limit" equals "$(walk_target 8 300)" 200

# A single click walks, 6 pixels a tick, and he comes to rest at the target.
new_root 201
play "click left 300 390" "ticks 3"
check "walking, three ticks on" equals "$(value posit.Tag)" 284
play "click left 300 390" "ticks 100"
check "arrived" equals "$(value posit.Tag)" 260
check "the click is logged with the position it started from" logged "walking to 302"

# Two clicks within the countdown of four ticks: he stands there at once.
new_root 201
play "click left 100 390" "ticks 3" "click left 100 390" "ticks 1"
check "second click after 3 ticks places him" equals "$(value posit.Tag)" 60
check "the countdown starts again" equals "$(value clickCountdown)" 3
play "click left 100 390" "ticks 4" "click left 100 390" "ticks 1"
check "second click after 4 ticks walks on" equals "$(value posit.Tag)" 272
play "dblclick 100 390" "ticks 1"
check "a double click places him" equals "$(value posit.Tag)" 60

# With an item in hand (the first one of the inventory bar), a click on the
# floor only puts it away.
new_root 201
play "move 20 440" "click left 20 440" "ticks 1"
check "the folder is in hand" equals "$(value inventar.Tag)" 2
play "move 20 440" "click left 20 440" "ticks 1" "click left 100 390" "ticks 1"
check "the click put it away" equals "$(value inventar.Tag)" 0
check "and he did not walk" equals "$(value control.block.Left)" 300

finish
