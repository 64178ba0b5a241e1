#!/usr/bin/env bash
# Runs one fuzz target for a bounded time on a fresh corpus seeded by make_fuzz_seeds.
set -euo pipefail
fuzzer=$1 seeds=$2 name=$3 seconds=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
"$seeds" "$name" "$work/corpus"
cd "$work"
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=262144 -print_final_stats=1 corpus
