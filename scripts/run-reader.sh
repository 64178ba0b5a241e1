#!/usr/bin/env bash
# Sets up, builds and starts the reader on the bundled sample book.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/orvelis ]; then
  exec build/bin/orvelis "$@"
fi
# Until the window exists: what the book holds, and its first page.
build/bin/orvelis-tool info
build/bin/orvelis-tool page 1
echo
