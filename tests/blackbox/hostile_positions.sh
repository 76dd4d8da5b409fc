#!/bin/bash
# Positions at the ends of the int range, as a hostile script or save sets
# them: walking, drawing the protagonist, moving the room picture, drawing
# bitmaps, clicks, items and the menu must neither crash nor overflow. Run in
# the sanitizer build, an overflow stops the program. The library (room 6) has
# Zweistein (hot spot 1, centre x 164) and the book (3, at 305, 220), whose
# script each case writes.
source "$(dirname "$0")/clicks_lib.bash" "$@"

BOOK="click left 305 220"
ZWEISTEIN="click left 164 250"
IN_HAND="click left 20 440"
MIN=-2147483648
MAX=2147483647

# Clicks the book, whose script is the given lines, then plays the replay
# lines (separated by "|"); a crash or a sanitizer finding fails.
with_book_script() {
  local replay
  IFS='|' read -ra replay <<< "$1"
  shift
  new_root 6
  script bibliothek3l.smx "$@"
  check "kroxl ran to the end ($*)" play "$BOOK" "${replay[@]}"
}
between() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ] || { echo "  $1 not in $2..$3" >&2; return 1; }; }

with_book_script "ticks 40" "jump to" "-2147483000" "look right"
check "he stands far left" equals "$(value posit.Tag)" -2147483000

with_book_script "ticks 40" "jump to" "$MIN" "walking to" "0"
check "he walks right from the end" between "$(value posit.Tag)" $((MIN + 6)) $((MIN + 240))

with_book_script "ticks 40" "jump to" "$MAX" "walking to" "$MIN"
check "he walks left from the end" between "$(value posit.Tag)" $((MAX - 240)) $((MAX - 6))

with_book_script "ticks 40" "jump to" "$MIN" "look left" "jump to" "$MAX" "look right"
check "he ends at the right end" equals "$(value posit.Tag)" $MAX

with_book_script "ticks 40|move 300 300|move 310 390|click left 320 380|ticks 20" \
  "change" "schirm" "$MAX" "wait" "1" "change" "schirm" "$MIN"
check "the room picture moved" equals "$(value control.schirm.Left)" $MIN

with_book_script "ticks 40" "bitmap" '\graphic\kroxl\open.bmp' "$MAX" "0" \
  "new bitmap" '\graphic\kroxl\open.bmp' "0" "$MIN" "bitmap" '\graphic\kroxl\open.bmp' "$MIN" "$MAX"
check "the bitmaps were drawn" logged "new bitmap"

with_book_script "ticks 40" "bad" "$MIN" "goto room" "$MAX" "wait" "$MAX"
check "an unknown room is no crash" equals "$(value room)" $MAX

# Standing at the far left: a click that he refuses, an item used on
# Zweistein, and the menu opened and closed with the walk target there.
with_book_script "idle 60000|$ZWEISTEIN|idle 60000" "jump to" "$MIN"
check "he refused" logged 'Kroxl says "Das kann ich nicht machen!"'
with_book_script "idle 60000|$IN_HAND|$ZWEISTEIN|idle 60000" "jump to" "$MIN"
check "the item was used" equals "$(value inventar.Tag)" 0
with_book_script "idle 60000|key Escape|key Escape|idle 60000" "jump to" "$MIN"
check "the game goes on" equals "$(value mode.Caption)" normal
check "the menu is closed" equals "$(value control.Runner.Enabled)" true

# A saved game whose position is the lowest int: loaded, then a walk.
new_root 6
check "a game was saved" play "key Escape" "click left 260 220" "type ende" "key Enter" "key Escape"
sed -i "9s/.*/$MIN\r/" "$ROOT/savegames/ende.kvt"
check "the hostile save loaded and he walked" play "key Escape" "click left 320 220" "click left 122 158" \
  "click left 388 351" "idle 60000" "click left 300 390" "ticks 40"
check "he walks from the saved place" between "$(value posit.Tag)" $((MIN + 6)) $((MIN + 240))

# Every number of that saved game (after its version) at one end of the
# range, with the room kept or not; then the game is played on a little.
cp "$ROOT/savegames/ende.kvt" "$WORK/ende.kvt"
for number in $MIN $MAX; do
  for room in kept replaced; do
    awk -v n="$number" -v room="$room" 'BEGIN { RS = ORS = "\r\n" }
      NR >= 5 && /^-?[0-9]+$/ && !(room == "kept" && before == "[room:]") { before = $0; print n; next }
      { before = $0; print }' "$WORK/ende.kvt" > "$ROOT/savegames/ende.kvt"
    check "a save of numbers $number (room $room) loaded and played" play "key Escape" "click left 320 220" \
      "click left 122 158" "click left 388 351" "idle 60000" "click left 300 390" "ticks 50" "$ZWEISTEIN" \
      "ticks 200" "$IN_HAND" "$ZWEISTEIN" "ticks 300" "key Enter" "ticks 300" "key Escape" "key Escape" "ticks 300"
    check "the saved position $number was taken" grep -q "^jump to $number\$" <(list Memo2)
  done
done

finish
