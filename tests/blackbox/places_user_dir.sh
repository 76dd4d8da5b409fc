#!/bin/bash
# Where the game plays: started outside a data root it reads the data found
# beside the program and keeps its own files in a private per-user directory;
# an options file whose data root has gone away falls back to the found one;
# --data and --user-dir name both; a copy of the build tree plays from its
# new place.
. "$(dirname "$0")/lib/common.sh"
make_root
ELSEWHERE=$WORK/elsewhere
mkdir -p "$ELSEWHERE"
printf 'wait 3000\n' > "$WORK/replay"

# Runs KROXL (or $PROGRAM) in DIR with the environment of a fresh user and
# the given options. Usage: run_in DIR [options...]
run_in() {
  local dir=$1
  shift
  (cd "$dir" && env -u XDG_DATA_HOME HOME="$WORK/home" ${XDG:+XDG_DATA_HOME=$XDG} "${PROGRAM:-$KROXL}" \
    --headless --replay "$WORK/replay" --dump "$DUMP" "$@" 2> "$WORK/stderr") ||
    { cat "$WORK/stderr" >&2; fail "kroxl exited with $? in $dir"; }
}

at_title() {
  [ "$(list Memo1 | head -1)" = wahl ] || fail "the title screen is not waiting: $(list Memo1 | head -1)"
}

option_after() {
  grep -A1 -xF "$1"$'\r' "$2" | tail -1 | tr -d '\r'
}

# Outside a data root: the build tree's data beside the program, the files in
# ~/.local/share/kroxl, made private on the first start.
GAMEDIR=$(cd "$GAME" && pwd -P)
USERDIR=$WORK/home/.local/share/kroxl
run_in "$ELSEWHERE"
expect_value control.cd.Caption "$GAMEDIR"
expect_value control.cd2.Caption "$USERDIR"
[ "$(stat -c %a "$USERDIR")" = 700 ] || fail "the user directory is not private: $(stat -c %a "$USERDIR")"
[ "$(option_after '[run from cd]' "$USERDIR/optionsNT.pre")" = true ] || fail "[run from cd] is not true"
[ "$(option_after '[run cd]' "$USERDIR/optionsNT.pre")" = "$GAMEDIR" ] || fail "[run cd] is not the data root"
[ "$(list errors | wc -l)" -eq 0 ] || fail "errors: $(list errors)"
at_title
[ -z "$(ls "$ELSEWHERE")" ] || fail "files written where the game was started: $(ls "$ELSEWHERE")"

# XDG_DATA_HOME moves the user directory.
XDG=$WORK/xdg run_in "$ELSEWHERE"
expect_value control.cd2.Caption "$WORK/xdg/kroxl"

# A game installed anew elsewhere: the options file names a data root that
# is gone. The error list says so and the found one is played.
sed -i "s|^$GAMEDIR\r\$|/gone/share/kroxl\r|" "$USERDIR/optionsNT.pre"
[ "$(option_after '[run cd]' "$USERDIR/optionsNT.pre")" = /gone/share/kroxl ] || fail "the test's edit failed"
run_in "$ELSEWHERE"
expect_value control.cd.Caption "$GAMEDIR"
expect_in_list errors "(!) Error: In \"/gone/share/kroxl\" ([run cd] in OptionsNT.pre) fehlen die Spieldaten; das Spiel nimmt die aus \"$GAMEDIR\"."
at_title

# --data wins over the options file, --user-dir over the per-user directory.
run_in "$ELSEWHERE" --data "$ROOT" --user-dir "$WORK/mine"
expect_value control.cd.Caption "$ROOT"
expect_value control.cd2.Caption "$WORK/mine"
run_in "$ELSEWHERE" --data "$ROOT"
expect_value control.cd.Caption "$ROOT"
[ "$(list errors | wc -l)" -eq 0 ] || fail "errors: $(list errors)"

# Started in a data root the game plays there, as it always did.
run_in "$ROOT"
expect_value control.cd.Caption "$ROOT"
expect_value control.cd2.Caption "$ROOT"
[ "$(option_after '[run from cd]' "$ROOT/optionsNT.pre")" = false ] || fail "[run from cd] in the data root"

# A folder without the game's data is refused before anything is written.
status=0
(cd "$ELSEWHERE" && "$KROXL" --headless --replay "$WORK/replay" --data "$WORK/empty" 2> "$WORK/stderr") ||
  status=$?
[ "$status" = 2 ] || fail "--data without game data exited with $status"
grep -q "holds no game data" "$WORK/stderr" || fail "no clear message: $(cat "$WORK/stderr")"

# A copy of the build tree (the program and its data) plays from its new place.
mkdir -p "$WORK/copy"
cp "$KROXL" "$WORK/copy/kroxl"
tar -C "$GAME" --exclude=.cache --exclude=optionsNT.pre --exclude=savegames -cf - . | (mkdir "$WORK/copy/game" &&
  tar -C "$WORK/copy/game" -xf -)
rm -rf "$USERDIR"
PROGRAM=$WORK/copy/kroxl run_in "$ELSEWHERE"
expect_value control.cd.Caption "$WORK/copy/game"
[ "$(option_after '[run cd]' "$USERDIR/optionsNT.pre")" = "$WORK/copy/game" ] || fail "[run cd] of the copy"
at_title
PROGRAM=$WORK/copy/kroxl run_in "$WORK/copy/game"
expect_value control.cd.Caption "$WORK/copy/game"
expect_value control.cd2.Caption "$WORK/copy/game"
at_title
echo "user directory, data root and copied tree: ok"
