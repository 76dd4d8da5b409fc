#!/bin/bash
# The recipes for adding a room, a command, an item and a person
# (docs/ARCHITECTURE.md), followed: kroxl_recipes carries the new rows of the
# tables (follow.py), and the data root made here the data the recipes name.
# The game then enters the new room, runs the new command, picks up and uses
# the new item and talks with the new person.
# Usage: recipes.sh KROXL_RECIPES GAME_DIR
source "$(dirname "$0")/../blackbox/clicks_lib.bash" "$@"

# The room's picture in a colour of its own (datagen draws the real ones).
LAB_COLOUR="0 128 128"
lab_picture() {
  python3 - "$1" <<'PY'
import struct, sys
width, height = 640, 400
pixels = bytes((128, 128, 0)) * width * height  # blue, green, red
header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
open(sys.argv[1], "wb").write(header + info + pixels)
PY
}

# A data root of the demo game that starts in the laboratory, with the data
# files the recipes add: the room's picture, the person's block in the
# dialogue option table and the hot-spot scripts.
lab_root() {
  new_root 900
  rm "$ROOT/graphic" "$ROOT/source/dialogs"
  mkdir -p "$ROOT/graphic/labor" "$ROOT/source/dialogs"
  ln -s "$GAME"/graphic/* "$ROOT/graphic/"
  lab_picture "$ROOT/graphic/labor/hintergrund.bmp"
  { cat "$GAME/source/dialogs/dialogs.sou"; printf '%s\r\n' "Laborantin:" "Was brauen Sie da?" "Ich geh dann!" "" ""; } \
    > "$ROOT/source/dialogs/dialogs.sou"
  script Labor1l.smx "open dialog"
  script Labor2l.smx "inventar add" "Reagenzglas" "note" "Das Reagenzglas ist eingesteckt."
  script Labor1lReagenzglas.smx "note" "Die Laborantin bekommt das Reagenzglas."
}

# Replay lines: a left click on the room at (x, y) once the game is idle, a
# click on bar slot i (left unless given), a click on reply k of the choice
# panel.
spot() { printf '%s\n' "idle 600000" "move $(($1 + 1)) $2" "move $1 $2" "click left $1 $2"; }
item() { printf '%s\n' "idle 600000" "move $((35 * $1 + 27)) 444" "move $((35 * $1 + 26)) 444" \
  "click ${2:-left} $((35 * $1 + 26)) 444"; }
reply() { printf '%s\n' "wait 60000" "move 21 $((400 + 16 * $1))" "click left 20 $((400 + 16 * $1))"; }
colour_at() { python3 "$(dirname "$0")/../blackbox/lib/screen.py" colour "$ROOT/out/screen.bmp" "$1" "$2"; }
carries() { list inventar | grep -qxF -- "$1"; }
no_errors() { equals "$(list errors | wc -l)$(list fatal | wc -l)" 00; }

# The data check reads the program's tables: they name what was added.
vocabulary=$("$KROXL" --vocabulary)
for record in $'room\t900\tLabor\t1\t2' $'command\tnote\tcheck\ttext' $'item\tReagenzglas' \
  $'person\tLaborantin\t900\tLaborantin:' $'speaker\tLaborantin\t32768\tregular'; do
  check "the vocabulary lists '$record'" grep -qxF -- "$record" <<<"$vocabulary"
done

# The room: entered by the start-room option, with its name, picture and
# hot spots.
lab_root
play "ticks 12"
check "the laboratory was built" equals "$(value room)" 900
check "the room's name" equals "$(value Label2.Caption)" Labor
check "the assistant's hot spot" equals "$(value control.Object1.Hint)" Laborantin
check "the test tube's hot spot" equals "$(value control.object2.Hint)" Reagenzglas
check "the room's picture" equals "$(colour_at 600 40)" "$LAB_COLOUR"
check "no error" no_errors

# The command and the item: the test tube's script puts it into the bar and
# notes that in the protocol; he looks at it, and used on the assistant, its
# own script runs.
lab_root
play "$(spot 130 280)" "idle 600000"
check "the test tube in the bar" carries Reagenzglas
check "the note of the new command" logged "Das Reagenzglas ist eingesteckt."
slot=$(($(list inventar | grep -nxF Reagenzglas | cut -d: -f1) - 1))
lab_root
play "$(spot 130 280)" "$(item "$slot" right)" "$(item "$slot")" "$(spot 460 250)" "idle 600000"
check "a look at the test tube" logged 'Kroxl says "Ein Reagenzglas voller Schaum."'
check "the test tube used on the assistant" logged "Die Laborantin bekommt das Reagenzglas."
check "no error" no_errors

# The person: a click on her opens a conversation with her, a reply runs her
# dialogue tree, and her line (the last one spoken) has her colour.
lab_root
play "$(spot 460 250)" "wait 3000" "ticks 5"
check "a conversation" equals "$(value mode.Caption)" dialog
check "with her" equals "$(value person.Caption)" Laborantin
play "$(spot 460 250)" "$(reply 1)" "idle 600000"
check "her line" logged 'Laborantin says "Einen Zaubertrank."'
check "in her colour" equals "$(value control.say.Font.Color)" 32768
check "her dialogue tree ran to its end" logged "Die Laborantin hat geantwortet."
check "the conversation is over" equals "$(value mode.Caption)" normal
check "no error" no_errors

finish
