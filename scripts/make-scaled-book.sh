#!/usr/bin/env bash
# A book like the sample with every page N times longer (default 8): each page's text, paragraph
# markers and all, repeated N times. For measuring how search, results pages, composing and
# loading grow with the text (bench/, ORVELIS_BENCH_BOOK=OUT).
#   scripts/make-scaled-book.sh OUT [N] [BOOK]    (defaults: 8, build/bin/book.dat)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?usage: make-scaled-book.sh OUT [N] [BOOK]}
times=${2:-8}
book=${3:-build/bin/book.dat}
tool=build/bin/orvelis-tool
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$tool" --book "$book" export "$dir/book"
# Pages are joined the way the book separates paragraphs, CR LF.
find "$dir/book/pages" -name '*.html' -print0 |
  xargs -0 perl -0777 -pi -e "\$_ = join(qq(\\r\\n), (\$_) x $times)"
"$tool" build "$dir/book" "$out"
echo "make-scaled-book: $out, pages $times times longer"
