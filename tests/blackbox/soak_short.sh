#!/bin/bash
# A short soak: random input on the real game from the title screen on, twice
# with the same seed in fresh program directories. It must pass (no crash,
# hang or runaway growth) and both runs must end alike, so a seed that finds
# a fault replays it. KROXL_SOAK_SEED and KROXL_SOAK_TICKS choose another run.
. "$(dirname "$0")/lib/common.sh"
SEED=${KROXL_SOAK_SEED:-20261208}
TICKS=${KROXL_SOAK_TICKS:-10000}

soak() {
  rm -rf "$ROOT"
  make_root
  (cd "$ROOT" && "$KROXL" --soak "$SEED" --ticks "$TICKS") > "$WORK/$1" 2>&1 ||
    { cat "$WORK/$1" >&2; fail "the soak failed (seed $SEED)"; }
  grep '^soak: passed' "$WORK/$1" || { cat "$WORK/$1" >&2; fail "no verdict (seed $SEED)"; }
}

soak first
soak second
[ "$(grep '^soak: passed' "$WORK/first")" = "$(grep '^soak: passed' "$WORK/second")" ] ||
  fail "seed $SEED played differently the second time"
exit 0
