#!/bin/bash
# Spoken lines as the player reads them: a speaker colour too dark for the
# black band is drawn lighter while the state keeps the colour the script
# gave; the text keeps clear of the screen's edges; a line too long for two
# rows is drawn smaller rather than cut at the bottom of the band.
. "$(dirname "$0")/lib/common.sh"
make_root
export GAME
screen() { python3 "$(dirname "$0")/lib/screen.py" "$1" "$DUMP/screen.bmp" "${@:2}"; }

# The spoken-line band: 640 x 40 at y 425, black.
say_once() {
  game_file source/scripts/htm.smx "activate" "goto room" "1" "jump to" "-300" "say" "$1" "$2" "wait" "200"
  play <<'REPLAY'
wait 3000
ticks 5
REPLAY
  [ "$(value control.say.Caption)" = "$1: \"$2\"" ] || fail "the line is not shown: $(value control.say.Caption)"
}

# Hubert's pure blue (0, 0, 255) has a contrast of 2.4 on black.
say_once Hubert "Der Widerstand ist U / = R mal I, das weiß doch jedes Kind, Herr Professor Kroxl!"
expect_value control.say.Font.Color 16711680
best=$(screen contrast 0 425 640 40 0 0 0)
[ "$best" -ge 450 ] || fail "Hubert's line reaches a contrast of only ${best%??}.${best: -2} on the band"
[ "$(screen lit 0 425 20 40 0 0 0)" = 0 ] || fail "the line touches the left edge"
[ "$(screen lit 620 425 20 40 0 0 0)" = 0 ] || fail "the line touches the right edge"

# Three rows' worth of text in the two-row band. A third row cut off would
# leave only the umlaut dots of its capitals at the band's bottom: the last
# run of rows with ink must be a whole row of text, taller than a few pixels.
say_once HINWEIS "Linke Maustaste: benutzen. Rechte Maustaste: ansehen. Gegenstände unten mit links nehmen und auf etwas anwenden. Die Auftragsmappe zeigt deine Aufgaben. Ärger, Öl, Übel, Äpfel, Ödnis, Übermut, Ähren, Ölfässer."
rows=$(screen bands 0 425 640 40 0 0 0)
[ -n "$rows" ] || fail "no text in the band"
last=${rows##* }
[ $((${last#*-} - ${last%-*})) -ge 6 ] || fail "the last row of text is cut: ink in rows $rows"
[ "$(screen lit 0 425 20 40 0 0 0)" = 0 ] || fail "the hint touches the left edge"
