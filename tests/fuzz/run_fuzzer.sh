#!/usr/bin/env bash
# Runs one fuzz target for a bounded time.
#   run_fuzzer.sh FUZZER SEED_MAKER TARGET SECONDS WORK [libFuzzer options...]
# WORK (in the build folder) keeps the corpus between runs (WORK/corpus), the seeds written afresh
# each run (WORK/seeds), and every crashing, timed-out or memory-exhausting input (WORK/artifacts).
# A failed run prints the paths of the inputs it kept and how to replay them.
set -euo pipefail
fuzzer=$1 seeds=$2 target=$3 seconds=$4 work=$5
shift 5

mkdir -p "$work/corpus" "$work/artifacts"
rm -rf "$work/seeds"
mkdir -p "$work/seeds"
"$seeds" "$target" "$work/seeds"

# -timeout: seconds one input may take; -rss_limit_mb: memory of the whole process (a single
# allocation above it counts too).
limits=(-timeout=5 -rss_limit_mb=2048 "$@")
marker="$work/artifacts/.run-start"
touch "$marker"
status=0
# New inputs go to the first folder, the corpus.
"$fuzzer" -max_total_time="$seconds" -use_value_profile=1 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "${limits[@]}" "$work/corpus" "$work/seeds" || status=$?

if [ "$status" -ne 0 ]; then
  echo "$target failed (exit status $status); inputs kept:"
  env=""
  [ -z "${ORVELIS_FUZZ_BOOK:-}" ] || env="ORVELIS_FUZZ_BOOK=$ORVELIS_FUZZ_BOOK "
  find "$work/artifacts" -type f ! -name .run-start -newer "$marker" | while read -r input; do
    echo "  $input"
    echo "    replay: $env$fuzzer ${limits[*]} $input"
  done
fi
exit "$status"
