#!/bin/bash
# Clicks on hot spots: the hot spot's script (found whatever its letter case),
# the glance and the two refusals where there is none, the empty script that
# makes a hot spot inert, and clicks while a scene runs. The library (room 6)
# has Zweistein (hot spot 1, centre x 164), the door (2, centre 516) and the
# book (3); the protagonist stands at 302.
source "$(dirname "$0")/clicks_lib.bash" "$@"

new_root 6
play "click right 516 250" "idle 60000"
check "he turns to the door" logged "look right"
check "and finds it nice" logged 'Kroxl says "Nett."'
check "facing right" equals "$(value sonsti.Caption)" right

new_root 6
play "click left 164 250" "idle 60000"
check "he turns to Zweistein" equals "$(value sonsti.Caption)" left
check "and refuses" logged 'Kroxl says "Das kann ich nicht machen!"'

new_root 6
script Bibliothek2l.smx
play "click left 516 250" "idle 60000"
check "an empty script: no refusal" not logged 'Kroxl says "Das kann ich nicht machen!"'
check "an empty script: no glance" equals "$(value sonsti.Caption)" left
check "an empty script: nothing queued" equals "$(list Memo1 | wc -l)" 0

new_root 6
script bibliothek3l.smx "say" "Kroxl" "Ein Buch."
play "click left 305 220" "idle 60000"
check "the script, named in lower case, ran" logged 'Kroxl says "Ein Buch."'
check "its path is logged" logged "$ROOT\\source\\scripts\\Bibliothek3l.smx"

# While the scene runs, clicks only count and do nothing else.
new_root 6
script Bibliothek3l.smx "wait" "300" "say" "Kroxl" "Fertig."
play "click left 305 220" "ticks 5" "click right 516 250" "click left 400 390" "ticks 2"
check "the scene still runs" equals "$(value mode.Caption)" "KI Script working ..."
check "its queue is untouched" equals "$(list Memo1 | head -1)" "wait for wait"
check "no walk" equals "$(value control.block.Left)" 300
check "no refusal" not logged 'Kroxl says "Nett."'
check "the second click counted" equals "$(value clickCountdown)" -55

# The garden: walking right of x 200 starts the pigeon scene while the pigeon
# is there.
new_root -10003
script taube.dia "say" "Kroxl" "Tauben!"
play "click left 250 390" "idle 60000"
check "the pigeon scene ran" logged 'Kroxl says "Tauben!"'
check "the walk target stayed" equals "$(value control.block.Left)" 210

# The desk close-up: the microscope puts the four answer boxes away and its
# script runs all the same.
new_root 1111
desk=graphic/schreibtisch/hintergrund.bmp
play "ticks 1"
check "the first answer box is there" not background_at 264 160 169 17 "$desk"
script Schreibtisch1l.smx "say" "Kroxl" "Ein Mikroskop."
play "click left 100 150" "idle 60000"
check "the microscope's script ran" logged 'Kroxl says "Ein Mikroskop."'
check "the first answer box is gone" background_at 264 160 169 17 "$desk"
check "the fourth answer box is gone" background_at 511 250 125 17 "$desk"

finish
