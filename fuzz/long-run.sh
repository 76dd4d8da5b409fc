#!/bin/bash
# The long run of fuzz targets: each target in turn, from the full seed set,
# until it has tried RUNS inputs or MAX_SECONDS have passed. Corpora, logs and
# findings stay in OUT, so a second run goes on where the first stopped.
#   fuzz/long-run.sh OUT [RUNS [MAX_SECONDS [TARGET...]]]
# e.g. fuzz/long-run.sh /var/tmp/kroxl-fuzz 10000000 14400 bmp_fuzz wav_fuzz
# Environment: FUZZ_BUILD (build-fuzz), GAME (build/game).
# At the end it prints one line per target: inputs tried, seconds, coverage,
# findings.
set -eu
HERE=$(dirname "$(realpath "$0")")
FUZZ_BUILD=$(realpath "${FUZZ_BUILD:-$HERE/../build-fuzz}")
GAME=$(realpath "${GAME:-$HERE/../build/game}")
mkdir -p "$1"
OUT=$(realpath "$1")
RUNS=${2:-10000000}
MAX_SECONDS=${3:-14400}
shift $(($# < 3 ? $# : 3))
TARGETS=("$@")
if [ ${#TARGETS[@]} -eq 0 ]; then
  for t in "$FUZZ_BUILD"/fuzz/*_fuzz; do TARGETS+=("$(basename "$t")"); done
fi

python3 "$HERE/seeds.py" --game "$GAME" --out "$OUT/seeds"
mkdir -p "$OUT/findings"
for t in "${TARGETS[@]}"; do
  mkdir -p "$OUT/corpus/$t"
  start=$(date +%s)
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$FUZZ_BUILD/fuzz/$t" -runs="$RUNS" -max_total_time="$MAX_SECONDS" \
    -timeout=60 -rss_limit_mb=4096 -print_final_stats=1 -dict="$OUT/seeds/$t.dict" \
    -artifact_prefix="$OUT/findings/$t-" \
    "$OUT/corpus/$t" "$OUT/seeds/$t" > "$OUT/$t.log" 2>&1 || true
  seconds=$(($(date +%s) - start))
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$OUT/$t.log" | grep -o '[0-9]*$' || echo "?")
  cov=$(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$OUT/$t.log" | tail -1 | grep -o 'cov: [0-9]* ft: [0-9]*' || echo "?")
  found=$(find "$OUT/findings" -name "$t-*" | wc -l)
  printf '%-15s %10s inputs %7s s  %-22s %s finding(s)\n' "$t" "$runs" "$seconds" "$cov" "$found" | tee -a "$OUT/summary.txt"
done
