#!/bin/bash
# The command line as a player meets it: --version and --help answer and
# exit, a mistake is named with exit status 2; none of them makes the user
# directory or touches the directory the program was started in.
. "$(dirname "$0")/lib/common.sh"
mkdir -p "$WORK/here"

# Runs kroxl in an empty directory of a fresh home; sets STATUS, OUT and ERR.
run() {
  STATUS=0
  (cd "$WORK/here" && env -u XDG_DATA_HOME HOME="$WORK/home" "$KROXL" "$@" > "$WORK/out" 2> "$WORK/err") || STATUS=$?
  OUT=$(cat "$WORK/out")
  ERR=$(cat "$WORK/err")
}

run --version
[ "$STATUS" = 0 ] || fail "--version exited with $STATUS"
grep -qxE 'kroxl [0-9]+\.[0-9]+(\.[0-9]+)?' <<< "$OUT" || fail "--version printed \"$OUT\""

run --help
[ "$STATUS" = 0 ] || fail "--help exited with $STATUS"
for option in --fullscreen --windowed --data --user-dir --record --version --help --headless --replay --dump; do
  grep -qE "^  $option( |,|$)" <<< "$OUT" || fail "--help does not describe $option"
done
grep -q F12 <<< "$OUT" || fail "--help does not name the screenshot key"

for mistake in "--frobnicate" "-x" "--data" "--user-dir" "--record" "--seed many" "--headless" \
               "--headless --replay r --record f"; do
  # shellcheck disable=SC2086
  run $mistake
  [ "$STATUS" = 2 ] || fail "kroxl $mistake exited with $STATUS"
  [ -z "$OUT" ] || fail "kroxl $mistake printed \"$OUT\" on stdout"
  grep -q '^kroxl: ' <<< "$ERR" || fail "kroxl $mistake gave no message: \"$ERR\""
done
grep -q -- "--frobnicate" <<< "$(run --frobnicate; echo "$ERR")" || fail "the unknown option is not named"

[ ! -e "$WORK/home" ] || fail "the home was written: $(find "$WORK/home")"
[ -z "$(ls -A "$WORK/here")" ] || fail "files written where kroxl was started: $(ls -A "$WORK/here")"
echo "command line: ok"
