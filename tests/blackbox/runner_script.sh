#!/bin/bash
# An opening script of test commands: the runner's same-tick rules, waits and
# unknown commands, seen from outside.
. "$(dirname "$0")/lib/common.sh"
make_root
game_file source/scripts/htm.smx \
  "activate" "jump to" "100" "look right" \
  "walking to " "300" \
  "inventar sub" "Taschentuch" "say" "Kroxl" "Hallo" \
  "wait" "0" \
  "walking to" "103" \
  "inventar add" "Plan" \
  "#" "say" "Kroxl" "nie"
play <<'REPLAY'
wait 5000
REPLAY
expect_value mode.Caption "KI Script working ..."
[ "$(list Memo1 | tr '\n' '|')" = "#|say|Kroxl|nie|" ] || fail "queue: $(list Memo1 | tr '\n' '|')"
list errors | grep -q '^ERROR! Unkown Command: "walking to " \[[0-9]*\]$' || fail "no error line for the trailing blank"
expect_in_list Memo2 ' + ERROR: Scripterror: "walking to "'
expect_in_list Memo2 'walking to 100'
expect_in_list Memo2 'Kroxl says "Hallo"'
expect_value posit.Tag 106
[ "$(list inventar | tr '\n' '|')" = "Auftragsmappe|Plan|" ] || fail "inventar: $(list inventar | tr '\n' '|')"
