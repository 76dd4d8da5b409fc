#!/bin/bash
# The hot spots whose click depends on the story, each with its condition met
# and not met. A click on the library door (room 6) runs a set-up script that
# goes to the rule's room and sets the story state there; then the rule's hot
# spot is clicked. Every script says its own name, so the protocol shows
# which one ran.
source "$(dirname "$0")/clicks_lib.bash" "$@"

SPECIAL_SCRIPTS="gang45l2.smx archiv2l2.smx archiv2r2.smx leiche0.smx gang33la.smx lift.smx lift2.smx
  gang1002la.smx leiche.smx hubert1.dia gang43r2.smx hubert2.smx plan.smx bastelraum3l2.smx toegl1.dia"

# A data root in the library whose door leads to ROOM and then applies the
# story commands given (one per argument), with every rule's script and the
# plain hot-spot script PLAIN in place.
story_root() {
  local room=$1 plain=$2
  shift 2
  new_root 6
  local setup=("goto room" "$room") change name
  for change in "$@"; do setup+=("change" "$change"); done
  script Bibliothek2l.smx "${setup[@]}"
  for name in $SPECIAL_SCRIPTS; do script "$name" "say" "Kroxl" "marker $name"; done
  script "$plain" "say" "Kroxl" "marker plain"
}

# Clicks the door, then the rule's hot spot (and any further replay lines).
click_rule() {
  local room=$1 button=$2 x=$3 y=$4
  shift 4
  play "click left 516 250" "idle 60000" "click $button $x $y" "idle 60000" "$@"
  check "in room $room" equals "$(value room)" "$room"
}

said() { logged "Kroxl says \"marker $1\""; }

# rule NAME ROOM BUTTON X Y SCRIPT PLAIN MET-CHANGE NOT-MET-CHANGE
# SCRIPT "-" means the rule does nothing at all; a change "-" means none.
rule() {
  local name=$1 room=$2 button=$3 x=$4 y=$5 special=$6 plain=$7 met=$8 notmet=$9
  local changes=()
  [ "$met" != "-" ] && changes=("$met")
  story_root "$room" "$plain" "${changes[@]}"
  click_rule "$room" "$button" "$x" "$y"
  if [ "$special" == "-" ]; then
    check "$name, met: nothing at all" not grep -q 'Kroxl says' <(list Memo2)
  else
    check "$name, met: $special" said "$special"
  fi
  changes=()
  [ "$notmet" != "-" ] && changes=("$notmet")
  story_root "$room" "$plain" "${changes[@]}"
  click_rule "$room" "$button" "$x" "$y"
  check "$name, not met: $plain" said plain
}

rule "Franz is waiting" 5 left 599 190 gang45l2.smx Gang45l.smx "franz 5" "franz 4"
rule "the archivist awake, left" 104 left 420 300 archiv2l2.smx Archiv2l.smx - "archivar schläft"
rule "the archivist awake, right" 104 right 420 300 archiv2r2.smx Archiv2r.smx - "archivar schläft"
rule "the archive door, the body's last scene" 104 left 520 260 leiche0.smx Archiv3l.smx "leiche 5" -
rule "the canteen door before Hubert" 4 left 523 218 gang33la.smx Gang33l.smx - "hubert 1"
rule "the lift without a card" 3 left 580 230 lift.smx Gang22l.smx - "lift 0"
rule "the lift with Corinna's card" 3 left 580 230 lift2.smx Gang22l.smx "lift 1" "lift 0"
rule "Hubert's first talk" 5 left 230 235 hubert1.dia Gang43l.smx - "hubert 1"
rule "the production, right" 5 right 230 235 gang43r2.smx Gang43r.smx "hubert 3" "hubert 1"
rule "the production, later" 5 left 230 235 hubert2.smx Gang43l.smx "hubert 3" "hubert 1"
rule "the plan on the table" 71 right 40 345 plan.smx Kantine25r.smx "toegl 2" "toegl 1"
rule "the plan taken" 71 left 40 345 - Kantine25l.smx "toegl 4" "toegl 1"
rule "Hubert's tools" 8 right 420 160 bastelraum3l2.smx Bastelraum3r.smx "hubert 1" "hubert 3"
rule "Tägl" 4 right 523 218 toegl1.dia Gang33r.smx "toegl 1" -

# What the rules change besides the queue.
story_root 104 Archiv3l.smx "leiche 5"
click_rule 104 left 520 260
check "the archive door moves the body's story to its end" equals "$(value leiche.Tag)" 6

story_root 71 Kantine25l.smx "toegl 2"
click_rule 71 left 40 345
check "taking the plan moves Tägl's story on" equals "$(value toegl.Tag)" 3

story_root 3 Gang22l.smx
click_rule 3 left 580 230
check "the first lift ride takes the card" equals "$(value lift.Tag)" 1
check "Corinna can be asked for her card" \
  grep -qxF "Kann ich mir deine Liftkarte borgen? Ich hab meine ruiniert!" <(list Memo5)

# Corridor 100: the first click finds the body, the second is plain, and once
# the body's story has gone on, the corridor leads on.
story_root 100 Gang1002r.smx
click_rule 100 right 15 200 "click right 15 200" "idle 60000"
check "the body is found" said leiche.smx
check "the body's story has begun" equals "$(value leiche.Tag)" 1
check "then the corridor is plain" said plain
story_root 100 Gang1002l.smx "leiche 5"
click_rule 100 left 15 200
check "after the body" said gang1002la.smx

# The workshop's tools once Hubert has them: the hot spot goes away and its
# plain script runs.
story_root 8 Bastelraum3l.smx "hubert 3"
click_rule 8 left 420 160
check "the tools' hot spot is gone" equals "$(value control.object3.Top)" -600
check "the plain script ran" said plain

# A rule's script that is missing: one line in the error list, nothing else.
story_root 5 Gang45l.smx "franz 5"
rm "$ROOT/source/scripts/gang45l2.smx"
click_rule 5 left 599 190
check "one error line" equals "$(list errors | grep -c 'gang45l2.smx')" 1
check "no other script" not said plain

finish
