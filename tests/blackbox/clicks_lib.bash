# Shared by the clicks_*.sh black-box tests (sourced, not run by itself):
# each test plays replays of the real program in data roots of its own, made
# in the build tree from the demo game's pictures, sounds and films and the
# test's own scripts, and checks the state dump and the screen.
#
#   source clicks_lib.bash "$@"      # $1 = the kroxl binary, $2 = the demo data root
#   new_root ROOM                    # a fresh data root that starts in ROOM
#   script NAME [LINE...]            # a script under source/scripts (no lines: empty file)
#   play [REPLAY LINE...]            # start, let the first commands finish, play, dump
#   value KEY / list NAME            # read the dump
#   check DESCRIPTION TEST...        # record a failure unless TEST holds
#   finish                           # exit status; the work folder stays on failure
set -uo pipefail

KROXL=$(realpath "$1")
GAME=$(realpath "$2")
BUILD=$(dirname "$KROXL")
TEST_NAME=$(basename "$0" .sh)
mkdir -p "$BUILD/blackbox-work"
WORK=$(mktemp -d "$BUILD/blackbox-work/$TEST_NAME.XXXXXX")
FAILURES=0
ROOT=""

new_root() {
  ROOT=$(mktemp -d "$WORK/room$1.XXXX")
  mkdir -p "$ROOT/source/scripts" "$ROOT/savegames"
  local d
  for d in graphic sound movies; do ln -s "$GAME/$d" "$ROOT/$d"; done
  for d in anim dialogs voice; do ln -s "$GAME/source/$d" "$ROOT/source/$d"; done
  printf '%s\r\n' "[startnumber]" "$1" "" "[speed]" "1" "" "[run from cd]" "false" "" > "$ROOT/optionsNT.pre"
}

script() {
  local name=$1
  shift
  if [ $# -eq 0 ]; then
    : > "$ROOT/source/scripts/$name"
  else
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t WINDOWS-1252 > "$ROOT/source/scripts/$name"
  fi
}

# The start-up, the start room and its first commands, then the test's input.
play() {
  rm -rf "$ROOT/out"
  mkdir -p "$ROOT/out"
  printf '%s\n' "wait 2000" "idle 60000" "$@" > "$ROOT/replay.txt"
  (cd "$ROOT" && "$KROXL" --headless --replay replay.txt --dump out > out/stdout.txt 2> out/stderr.txt)
}

value() { grep -m1 "^$1=" "$ROOT/out/state.txt" | cut -d= -f2-; }

list() {
  awk -v name="$1" '
    $1 == "list" && $2 == name { n = $3; on = 1; next }
    on && n > 0 { print; n--; if (n == 0) exit }
  ' "$ROOT/out/state.txt"
}

# Whether the protocol holds this exact line.
logged() { list Memo2 | grep -qxF -- "$1"; }

check() {
  local what=$1
  shift
  if ! "$@"; then
    echo "FAIL [$TEST_NAME, $(basename "$ROOT")]: $what" >&2
    FAILURES=$((FAILURES + 1))
  fi
}

# Whether one of the pictures (paths below the demo root) shows on the screen
# shot with its top-left corner at (X, Y). Where the protagonist stands (his
# sprite's box at the dumped position) is left out of the comparison; at least
# a third of the picture must remain to compare.
shows() {
  local x=$1 y=$2
  shift 2
  python3 - "$ROOT/out/screen.bmp" "$x" "$y" "$(value posit.Tag)" "$GAME" "$@" <<'PY'
import struct, sys

def load(path):
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    if struct.unpack_from("<H", data, 28)[0] != 24:
        sys.exit(path + ": not a 24-bit picture")
    stride = (width * 3 + 3) & ~3
    def pixel(px, py):
        row = height - 1 - py if height > 0 else py
        at = offset + row * stride + px * 3
        return data[at:at + 3]
    return width, abs(height), pixel

screen_path, x, y, posit, game = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]
sw, sh, screen = load(screen_path)
def under_protagonist(px, py):
    return posit - 40 <= px < posit + 164 and 214 <= py < 393
report = []
for name in sys.argv[6:]:
    w, h, picture = load(game + "/" + name)
    compared = differing = 0
    for py in range(h):
        for px in range(w):
            sx, sy = x + px, y + py
            if not (0 <= sx < 640 and 0 <= sy < 400) or under_protagonist(sx, sy):
                continue
            compared += 1
            differing += picture(px, py) != screen(sx, sy)
    if differing == 0 and compared * 3 >= w * h:
        sys.exit(0)
    report.append(f"  {name} at {x}, {y}: {differing} of {compared} pixels differ")
print("\n".join(report), file=sys.stderr)
sys.exit(1)
PY
}

# Whether a rectangle (X Y W H) of the screen shot shows the room's own
# picture (a path below the demo root, drawn at 0, 0) there.
background_at() {
  python3 - "$ROOT/out/screen.bmp" "$GAME/$5" "$1" "$2" "$3" "$4" <<'PY'
import struct, sys
def rows(path, x, y, w, h):
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) & ~3
    return [data[offset + (height - 1 - r) * stride + 3 * x: offset + (height - 1 - r) * stride + 3 * (x + w)]
            for r in range(y, y + h)]
x, y, w, h = map(int, sys.argv[3:7])
sys.exit(0 if rows(sys.argv[1], x, y, w, h) == rows(sys.argv[2], x, y, w, h) else 1)
PY
}

equals() { [ "$1" == "$2" ] || { echo "  got '$1', expected '$2'" >&2; return 1; }; }
not() { ! "$@" 2>/dev/null; }

finish() {
  if [ "$FAILURES" -eq 0 ]; then
    rm -rf "$WORK"
    echo "$TEST_NAME: passed"
    exit 0
  fi
  echo "$TEST_NAME: $FAILURES failure(s); see $WORK" >&2
  exit 1
}
