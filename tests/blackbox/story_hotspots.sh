#!/bin/bash
# Every hot spot of every room, clicked with either button at the start of a
# new game: each click must run a script of the demo game (no refusal for a
# missing file) and that script must come to an end, in normal play or in a
# conversation, without an error line. A hanging "wait for talk", a dialogue
# opened where nobody stands or a misspelt file name shows up here.
. "$(dirname "$0")/lib/common.sh"
make_root

# room, slot, a point inside the slot's visible rectangle, where Kroxl stands.
SPOTS="
-1 1 140 230 300|-1 2 400 236 300|-1 3 540 270 300
1 1 320 240 300|1 2 480 240 300|1 3 400 250 300|1 4 608 216 300|1 5 160 240 300
2 1 200 240 150|2 3 600 150 150|2 4 550 300 150|2 5 380 330 150
3 1 10 60 300|3 2 585 230 300|3 3 370 120 300|3 4 70 237 300
4 1 12 200 300|4 2 615 260 300|4 3 523 218 300|4 4 106 224 300|4 5 336 184 300
5 1 30 200 300|5 2 625 350 300|5 3 230 235 300|5 4 136 245 300|5 5 600 190 300
6 1 165 240 400|6 2 516 225 400|6 3 305 220 400
7 2 440 200 -1000|7 3 610 200 -1000|7 4 328 338 -1000|7 6 300 385 -1000
71 1 40 185 250|71 2 490 226 250|71 4 300 220 250|71 5 44 347 250
8 1 216 225 180|8 2 520 280 180|8 3 420 160 180
100 1 620 200 300|100 2 20 200 300|100 3 320 250 300
101 1 620 200 300|101 2 15 200 300|101 3 495 240 300|101 4 255 350 300
103 1 420 300 200|103 2 100 172 200|103 3 236 240 200
104 2 420 280 300|104 3 520 260 300|104 4 180 198 300|104 6 387 85 300
200 1 620 200 300|200 2 18 200 300
201 1 620 200 300|201 2 110 260 300
-11 1 320 200 -250
1111 1 120 180 -250|1111 2 570 80 -250|1111 3 50 360 -250
-1020 1 320 200 -250
-1010 1 612 260 400|-1010 3 207 257 400
500 1 30 200 300|500 2 590 200 300|500 3 334 205 300|500 4 111 219 300
501 1 30 200 300|501 3 537 283 300|501 4 620 283 300
-10000 1 224 196 -250|-10000 3 324 276 -250
-10001 1 168 256 -250|-10001 2 208 380 -250|-10001 3 436 236 -250
-10003 1 253 188 300|-10003 2 414 279 300|-10003 3 320 380 300|-10003 4 615 200 300|-10003 5 20 200 300
-10004 1 371 178 300|-10004 2 619 260 300"

failures=0
IFS=$'|\n'
for spot in $SPOTS; do
  IFS=" " read -r room slot x y stand <<< "$spot"
  for button in left right; do
    game_file source/scripts/htm.smx activate "goto room" "$room" "jump to" "$stand" "look left"
    play <<REPLAY
wait 3000
move $((x + 1)) $y
move $x $y
click $button $x $y
idle 600000
wait 100
REPLAY
    problem=""
    if list Memo2 | grep -q '^Kroxl says "\(Das kann ich nicht machen!\|Nett\.\)"$'; then
      problem="no script answered"
    elif [ "$(list errors | wc -l)" != 0 ] || [ "$(list fatal | wc -l)" != 0 ]; then
      problem="error lines: $(list errors | tr '\n' '|')$(list fatal | tr '\n' '|')"
    elif [ "$(list Memo1 | wc -l)" != 0 ]; then
      problem="the queue never ran out: $(list Memo1 | head -4 | tr '\n' '|')"
    else
      case $(value mode.Caption) in
        normal | dialog) ;;
        *) problem="left in mode \"$(value mode.Caption)\"" ;;
      esac
    fi
    if [ -n "$problem" ]; then
      echo "room $room slot $slot $button: $problem" >&2
      failures=$((failures + 1))
    fi
  done
done
[ "$failures" = 0 ] || fail "$failures hot-spot click(s) misbehave"
