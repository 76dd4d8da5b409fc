# Shared by the black-box tests: each is called with the kroxl binary and the
# generated game directory, makes its own program directory, plays a replay
# headless and checks the dump.
set -eu

KROXL=$1
GAME=$2
WORK=$(mktemp -d "$(dirname "$GAME")/blackbox.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
ROOT=$WORK/root
DUMP=$WORK/dump

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A program directory holding the demo game's data (linked, not copied) and
# a scripts folder of its own, so a test can replace single scripts.
make_root() {
  mkdir -p "$ROOT/source/scripts"
  for d in graphic sound movies; do ln -s "$GAME/$d" "$ROOT/$d"; done
  for d in "$GAME"/source/*; do
    [ "$(basename "$d")" = scripts ] || ln -s "$d" "$ROOT/source/$(basename "$d")"
  done
  for f in "$GAME"/source/scripts/*; do ln -s "$f" "$ROOT/source/scripts/"; done
  cp "$GAME/readme.txt" "$ROOT/"
  mkdir -p "$ROOT/savegames"
}

# Writes a game text file (Windows-1252, CR LF) from the following lines.
# Usage: game_file source/scripts/htm.smx line1 line2 ...
game_file() {
  local path=$ROOT/$1
  shift
  rm -f "$path"
  mkdir -p "$(dirname "$path")"
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP1252 > "$path"
}

# Plays the replay given on stdin; extra arguments go to kroxl.
play() {
  cat > "$WORK/replay"
  (cd "$ROOT" && "$KROXL" --headless --replay "$WORK/replay" --dump "$DUMP" "$@" 2> "$WORK/stderr") ||
    { cat "$WORK/stderr" >&2; fail "kroxl exited with $?"; }
}

# The value of a key of state.txt.
value() {
  grep -m1 "^$1=" "$DUMP/state.txt" | cut -d= -f2-
}

expect_value() {
  local got
  got=$(value "$1")
  [ "$got" = "$2" ] || fail "$1 is \"$got\", expected \"$2\""
}

# The lines of a list of state.txt, one per output line.
list() {
  awk -v name="$1" '
    $1 == "list" && $2 == name { n = $3; show = 1; next }
    show && n > 0 { print; n--; next }
    show { exit }' "$DUMP/state.txt"
}

expect_in_list() {
  list "$1" | grep -qxF -- "$2" || fail "list $1 lacks \"$2\""
}

expect_not_in_list() {
  if list "$1" | grep -qxF -- "$2"; then fail "list $1 holds \"$2\""; fi
}
