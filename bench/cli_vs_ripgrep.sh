#!/usr/bin/env bash
# A command-line search against ripgrep over the same text: `orvelis-tool search WORD --lang ru`
# on the book, and `rg -c -i " WORD "` over the 2,097 prepared Russian page texts in files (what
# the search matches), each timed from process start to exit, median of 20 after one warm-up run.
# Prints both medians and their ratio.
#   bench/cli_vs_ripgrep.sh [BIN_DIR] [WORD]    (defaults: build/bin, иисус; RUNS=N for another count)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
word=${2:-иисус}
runs=${RUNS:-20}
command -v rg >/dev/null || { echo "cli_vs_ripgrep: ripgrep (rg) is not installed" >&2; exit 2; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin/orvelis-tool" --book "$bin/book.dat" export-prepared "$dir/pages" --lang ru

# Microseconds of each of $runs runs of the command, median.
median_us() {
  "$@" >/dev/null 2>&1 || true
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
  done | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

tool=$(median_us "$bin/orvelis-tool" --book "$bin/book.dat" search "$word" --lang ru)
ripgrep=$(median_us rg -c -i --no-config " $word " "$dir/pages")
awk -v t="$tool" -v r="$ripgrep" -v w="$word" 'BEGIN {
  printf "orvelis-tool search %s --lang ru: %.1f ms\nrg -c -i \" %s \" (prepared pages): %.1f ms\nratio: %.2f\n", w, t / 1000, w, r / 1000, t / r
}'
