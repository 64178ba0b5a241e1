#!/usr/bin/env bash
# A command-line search against ripgrep over the same text: `orvelis-tool search WORD --lang ru`
# on the book, and `rg -c -i " WORD "` over the 2,097 prepared Russian page texts in files (what
# the search matches), each timed from process start to exit by process_timer (started directly,
# in turns, median of 20 after one warm-up turn). Prints both medians and their ratio.
#   bench/cli_vs_ripgrep.sh [BIN_DIR] [PROCESS_TIMER] [WORD]
#   (defaults: build/bin, BIN_DIR/process_timer, иисус; RUNS=N for another count)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
timer=${2:-$bin/process_timer}
word=${3:-иисус}
runs=${RUNS:-20}
command -v rg >/dev/null || { echo "cli_vs_ripgrep: ripgrep (rg) is not installed" >&2; exit 2; }
[[ -x $timer ]] || { echo "cli_vs_ripgrep: no process timer at $timer" >&2; exit 2; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$bin/orvelis-tool" --book "$bin/book.dat" export-prepared "$dir/pages" --lang ru

mapfile -t medians < <("$timer" "$runs" -- "$bin/orvelis-tool" --book "$bin/book.dat" search "$word" --lang ru \
                                        -- "$(command -v rg)" -c -i --no-config " $word " "$dir/pages")
tool=${medians[0]}
ripgrep=${medians[1]}
awk -v t="$tool" -v r="$ripgrep" -v w="$word" 'BEGIN {
  printf "orvelis-tool search %s --lang ru: %.1f ms\nrg -c -i \" %s \" (prepared pages): %.1f ms\nratio: %.2f\n", w, t / 1000, w, r / 1000, t / r
}'
