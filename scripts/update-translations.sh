#!/usr/bin/env bash
# Brings translations/orvelis_en.ts up to date with the sources: new texts are added unfinished
# (the translations test fails until they are translated), texts gone from the sources are
# dropped. The core marks its texts with ORVELIS_TR_NOOP (ground/ui_text.h), read as
# QT_TRANSLATE_NOOP. Line numbers are left out so that the file changes only when texts do.
# Usage: scripts/update-translations.sh [TS_FILE]   (default translations/orvelis_en.ts)
set -euo pipefail
ts=$(realpath -m "${1:-$(dirname "$0")/../translations/orvelis_en.ts}")
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -silent -no-obsolete -locations none -source-language ru -target-language en \
  -tr-function-alias QT_TRANSLATE_NOOP+=ORVELIS_TR_NOOP \
  -extensions cpp,h src -ts "$ts"
