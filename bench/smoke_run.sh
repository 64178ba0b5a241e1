#!/usr/bin/env bash
# Runs every benchmark of one binary once, briefly, and fails when any reports an error: the
# benchmarks must keep working, whatever their figures (speed is read, never asserted, here).
set -euo pipefail
binary=$1
shift
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" "$binary" --benchmark_min_time=0.001 --benchmark_format=json --benchmark_out="$out" >/dev/null
if grep -q '"error_occurred": true' "$out"; then
  grep -B2 -A2 '"error_message"' "$out" >&2
  echo "smoke run: a benchmark reported an error" >&2
  exit 1
fi
count=$(grep -c '"run_name"' "$out" || true)
if [ "$count" -eq 0 ]; then
  echo "smoke run: no benchmark ran" >&2
  exit 1
fi
echo "smoke run: $count benchmark runs, no error"
