#!/bin/bash
# What the story has taken away stays away on the screen: things taken or
# thrown away are no longer drawn nor named by the hover line, also after
# coming back, and whoever speaks is to be seen. Each scene starts from a
# state set up by an opening script and looks at the screen it ends with.
. "$(dirname "$0")/lib/common.sh"
make_root

opening() { game_file source/scripts/htm.smx activate "$@"; }
item() { printf 'idle 600000\nmove %d 444\nmove %d 444\nclick left %d 444\n' $((35 * $1 + 27)) $((35 * $1 + 26)) $((35 * $1 + 26)); }
spot() { printf 'idle 600000\nmove %d %d\nmove %d %d\nclick %s %d %d\n' $(($2 + 1)) "$3" "$2" "$3" "$1" "$2" "$3"; }
# Points at x y once the player has control; the hover line then names what is there.
point() { printf 'idle 600000\nmove %d %d\nmove %d %d\n' $(($1 + 1)) "$2" "$1" "$2"; }
scene() { { echo "wait 3000"; cat; echo "idle 600000"; } | play; }

# Share (%) of a picture's pixels that screen shot $2 (default the dump's)
# shows with the picture laid at x y, inside the clip x,y,w,h only.
shown() { python3 "$(dirname "$0")/lib/screen.py" shows "${5:-$DUMP/screen.bmp}" "$GAME" "$1" "$2" "$3" "" "$4"; }
expect_shown() {
  local got
  got=$(shown "$@")
  [ "${got:-0}" -ge 98 ] || fail "$1 at $2,$3 (clip $4): only ${got:-no} % on screen"
}
expect_hover() { expect_value control.helpline.Caption "$1"; }

# The crate falls after the archive's book was taken, and Kroxl comes back:
# the floor under the crate is bare and there is no "Buch" to point at.
opening "inventar add" "Buch" "change" "buch 1" "inventar add" "Wurfmesser" "inventar add" "Archivschlüssel" \
  "goto room" "104" "jump to" "100" "look right"
{
  item 3 && spot left 387 85          # the knife on the rope
  spot left 520 260                   # out to the rear corridor
  item 2 && spot left 15 200          # the key on the archive door
  point 340 360
} | scene
expect_value room 104
expect_value busen.Tag 2
expect_hover ""
expect_shown /graphic/archiv/kiste.bmp 166 34 312,344,65,33
[ "$(list inventar | tr '\n' '|')" = "Auftragsmappe|Taschentuch|Archivschlüssel|Buch|" ] ||
  fail "book taken: inventory $(list inventar | tr '\n' '|')"

# The crate falls before the book was taken: Kroxl gets it, once.
opening "inventar add" "Wurfmesser" "goto room" "104" "jump to" "100" "look right"
{ item 2 && spot left 387 85; point 340 360; } | scene
expect_value buch.Tag 1
expect_hover ""
[ "$(list inventar | tr '\n' '|')" = "Auftragsmappe|Taschentuch|Buch|" ] ||
  fail "book left: inventory $(list inventar | tr '\n' '|')"

# The plan taken from the beer garden's bin is gone from the bin at once.
opening "change" "toegl 2" "goto room" "-1010" "jump to" "300" "look right"
{ spot left 516 276; point 516 276; printf "click left 330 380\nwait 3000\n"; } | scene
expect_value toegl.Tag 3
expect_hover ""
expect_shown /graphic/gastgarten/hintergrund.bmp 0 0 486,264,62,26

# After Tägl has thrown the plan away, his counter shows none and has no
# "Plan" spot (the spot lies inside Tägl's, which is found first).
opening "change" "toegl 2" "goto room" "71" "jump to" "250" "look left"
{ spot left 300 220; } | scene
expect_value room 7
expect_value control.object5.Top -100
expect_shown /graphic/toegl/hintergrund.bmp 0 0 472,264,41,25

# Otto is to be seen while he greets Kroxl in the rear corridor, and goes on
# with his round afterwards.
opening "change" "leiche 5" "inventar add" "Archivschlüssel" "goto room" "104" "jump to" "300" "look left"
{
  spot left 520 260
  for i in $(seq -w 1 40); do printf 'wait 400\nscreenshot shot%s.bmp\n' "$i"; done
} | scene
expect_value room 101
seen=""
for shot in "$DUMP"/shot*.bmp; do
  # Otto speaks in yellow: the subtitle band shows his line.
  if python3 - "$shot" <<'EOF'; then
import struct, sys
d = open(sys.argv[1], "rb").read()
off, = struct.unpack("<I", d[10:14]); w, h = struct.unpack("<ii", d[18:26])
stride = (w * 3 + 3) & ~3
band = [d[off + (h - 1 - y) * stride:][:w * 3] for y in range(400, 480)]
sys.exit(0 if any(b"\x00\xff\xff" in row for row in band) else 1)
EOF
    seen=$(shown /graphic/gang101/nachtwaechter.bmp 226 186 226,186,100,210 "$shot")
    break
  fi
done
[ "${seen:-0}" -ge 98 ] || fail "Otto speaks, but only ${seen:-no} % of him is on screen"
expect_shown /graphic/gang101/nachtwaechter0.bmp 226 186 226,186,100,210
