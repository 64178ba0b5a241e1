#!/usr/bin/env bash
# Photographs the reader on the sample book under Xvfb (docs/screenshot.png by default), in a
# fresh settings and data folder so that the picture shows what a reader typically sees. The
# interface is Russian unless UI_LANG=en.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The book tree open on a page of the last Part, both languages side by side.
mkdir -p "$work/config"
printf '[General]\ntb_s=1\nc_pg=page1500\nmw_p=22\nd_exp=135\np_exp=4\nui_lang=%s\n' "${UI_LANG:-ru}" > "$work/config/ORVELIS_BOOK"
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" ORVELIS_MESSAGE_LOG="$work/messages.log" \
  ORVELIS_SCREENSHOT="$(realpath -m "$out")" QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}" \
  xvfb-run -a -s "-screen 0 1280x900x24" build/bin/orvelis 2>/dev/null || true
test -s "$out" && echo "wrote $out"
