#!/bin/bash
# A first start in a directory that holds only the data: the default options
# file is written and read back, and the opening script waits at the title.
. "$(dirname "$0")/lib/common.sh"
make_root
play <<'REPLAY'
wait 3000
REPLAY
[ "$(wc -l < "$ROOT/optionsNT.pre")" -eq 43 ] || fail "optionsNT.pre has not 43 lines"
expect_value version.Caption 100
expect_value posit.Tag 450
expect_value room -1
list options | head -2 | tail -1 | grep -qx "Professor Kroxl" || fail "options text not read"
expect_in_list Memo2 " + Loading Dialog source ..."
expect_in_list Memo2 "   - locate version number: 100"
[ "$(list inventar | tr '\n' '|')" = "Auftragsmappe|Taschentuch|" ] || fail "inventar"
[ "$(list franzinventar | tr '\n' '|')" = "Maschinenbuch|Werkzeug|Geldscheinvorlage|Gartenschlauch|" ] ||
  fail "franzinventar"
[ "$(list Memo5 | head -1)" = "$(head -1 "$GAME/source/dialogs/dialogs.sou" | tr -d '\r' | iconv -f CP1252 -t UTF-8)" ] ||
  fail "Memo5 not loaded from dialogs.sou"
[ "$(list Memo1 | head -1)" = wahl ] || fail "the title screen is not waiting: $(list Memo1 | head -1)"
[ "$(list errors | wc -l)" -eq 0 ] || fail "errors: $(list errors)"
[ "$(list fatal | wc -l)" -eq 0 ] || fail "fatal: $(list fatal)"
