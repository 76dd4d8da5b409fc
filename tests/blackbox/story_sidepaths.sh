#!/bin/bash
# The demo game's side paths, which the shortest walkthrough does not take:
# each scene starts from a state set up by an opening script of story
# commands, plays a few clicks and must end cleanly with the story where it
# belongs (no item twice, no hang, no error line).
. "$(dirname "$0")/lib/common.sh"
make_root

# The opening: the story commands and items that stand for what happened
# before, then the room and Kroxl's place in it.
opening() { game_file source/scripts/htm.smx activate "$@"; }

# Bar slot i (0 = Auftragsmappe, 1 = Taschentuch, 2 = the first item added).
item() { printf 'idle 600000\nmove %d 444\nmove %d 444\n' $((35 * $1 + 27)) $((35 * $1 + 26)); }
spot() { printf 'idle 600000\nmove %d %d\nmove %d %d\nclick %s %d %d\n' $(($2 + 1)) "$3" "$2" "$3" "$1" "$2" "$3"; }
reply() { printf 'wait 60000\nmove 21 %d\nclick left 20 %d\n' $((400 + 16 * $1)) $((400 + 16 * $1)); }
# Plays the clicks on stdin once the start-up has run the opening.
scene() { { echo "wait 3000"; cat; } | play; }
finish() { printf 'idle 600000\nwait 100\n'; }

clean() {
  [ "$(list errors | wc -l)" = 0 ] || fail "$1: error lines: $(list errors | tr '\n' '|')"
  [ "$(list fatal | wc -l)" = 0 ] || fail "$1: fatal: $(list fatal | tr '\n' '|')"
  [ "$(list Memo1 | wc -l)" = 0 ] || fail "$1: the queue never ran out: $(list Memo1 | head -4 | tr '\n' '|')"
}
items() { [ "$(list inventar | tr '\n' '|')" = "$2" ] || fail "$1: inventory $(list inventar | tr '\n' '|'), expected $2"; }
said() { expect_in_list Memo2 "$1"; }

# Corinna gets her silicone by item use: she answers in her conversation.
opening "change" "busen 3" "inventar add" "Silicon" "goto room" "1" "jump to" "300" "look left"
{ item 2; echo "click left 96 444"; spot left 160 240; finish; } | scene
expect_value Schreibtisch.Tag 3
expect_value mode.Caption dialog
expect_not_in_list Memo5 "Schau doch einmal, was ich da für dich habe."
items silicone "Auftragsmappe|Taschentuch|"
clean silicone

# Reading the archive's book at the desk, where it holds the test's answers.
opening "inventar add" "Buch" "goto room" "103" "jump to" "200" "look left"
{ item 2; echo "click right 96 444"; finish; } | scene
said 'Kroxl says "Kapitel 3: Newton und der Apfel. Spannend."'
expect_value room 103
expect_value mode.Caption normal
clean book

# The desk test with no answers earns nothing; the microscope shows the
# patterns and brings the desk back.
opening "goto room" "1111" "jump to" "-250"
{ spot left 570 80; spot left 120 180; finish; } | scene
said 'Kroxl says "Die rot markierten Antworten sind falsch."'
said 'Kroxl says "Muster A und Muster B... die sind völlig identisch."'
expect_value room 1111
items desk "Auftragsmappe|Taschentuch|"
clean desk

# The "body" wakes up when searched, and greets Kroxl when he leaves the archive.
opening "change" "lift 1" "inventar add" "Archivschlüssel" "goto room" "101" "jump to" "300" "look left"
{ spot left 255 350; item 2; echo "click left 96 444"; spot left 15 200; spot left 520 260; finish; } | scene
said 'Leiche says "Lass mich schlafen... die Betriebsfeier..."'
expect_value leiche.Tag 6
expect_value room 101
clean watchman

# Hubert's epilogue after the explosion, once he has lost his tools.
opening "change" "hubert 4" "change" "putzkammerl 1" "goto room" "5" "jump to" "300" "look left"
{ spot left 230 235; finish; } | scene
expect_value hubert.Tag 5
expect_value room 8
said 'Kroxl says "Ähm... schönen Urlaub."'
clean epilogue

# The drawing used on the library door goes to Franz all the same.
opening "inventar add" "Zeichnung" "goto room" "5" "jump to" "300" "look left"
{ item 2; echo "click left 96 444"; spot left 136 245; finish; } | scene
expect_value room 201
expect_value zeichnung.Tag 1
items drawing "Auftragsmappe|Taschentuch|"
clean drawing

# One drink at a time from the machine; the tool is kept for later.
opening "inventar add" "Getränk" "inventar add" "Werkzeug eines Elektrikers" "goto room" "3" "jump to" "300" "look left"
{ spot left 70 237; item 3; echo "click left 131 444"; spot left 70 237; finish; } | scene
said 'Kroxl says "Ich habe doch schon ein Getränk."'
items drinks "Auftragsmappe|Taschentuch|Getränk|Werkzeug eines Elektrikers|"
clean drinks

# A normal round of minigolf: the ball stays on the course until picked up.
opening "inventar add" "Golfball" "inventar add" "Schläger" "goto room" "501" "jump to" "300" "look left"
{ spot left 537 283; spot left 537 283; spot left 317 336; finish; } | scene
said 'Kroxl says "Daneben."'
said 'Kroxl says "Ich habe keinen Ball. Der liegt wohl noch auf der Bahn."'
expect_value golfball.Tag 0
items golf "Auftragsmappe|Taschentuch|Schläger|Golfball|"
clean golf

# Motty keeps his hose while he lives, in the conversation and on the lawn.
opening "goto room" "500" "jump to" "300" "look left"
{ spot left 111 219; spot left 334 205; reply 2; echo "wait 60000"; } | scene
said 'Motty says "Finger weg von meinem Schlauch!"'
said 'Motty says "Meinen Schlauch? Niemals! Ohne den vertrocknen mir die Bahnen."'
expect_value schlauch.Tag 0
expect_value mode.Caption dialog
items hose "Auftragsmappe|Taschentuch|"
clean hose

# At night the ground floor is locked but for the way to Franz.
opening "change" "night" "change" "franz 5" "goto room" "4" "jump to" "300" "look left"
{ spot left 615 260; spot left 12 200; spot left 600 190; finish; } | scene
said 'Kroxl says "Es ist mitten in der Nacht. Jetzt bringe ich erst einmal Franz den Gartenschlauch."'
said 'Kroxl says "Von unten hört man Franz hämmern. Er wartet auf den Schlauch."'
expect_value room 200
clean night

# Franz's list brings Zweistein the drawing request; asked before the coffee,
# he wants a coffee first, and Tägl gets the reply for it.
opening "goto room" "201" "jump to" "300" "look left"
{
  spot left 110 260; reply 1; reply 2
  spot left 620 200; spot left 620 200; spot left 12 200; spot left 136 245
  spot left 165 240; reply 1; finish
} | scene
expect_value room 6
expect_value mode.Caption normal
expect_in_list Memo5 "Eine Tasse Kaffee, bitte!"
expect_in_list liste "Kaffee für Professor Zweistein"
expect_value Franz.Tag 1
clean coffee_request
