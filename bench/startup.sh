#!/usr/bin/env bash
# Start-up of the reader under Xvfb: time from process start to the first page loaded, and the
# resident memory then, over a few runs (figures for docs/performance.md).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for _ in $(seq "$runs"); do
  XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" ORVELIS_MESSAGE_LOG="$work/messages.log" \
    ORVELIS_REPORT_STARTUP=1 QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}" \
    xvfb-run -a -s "-screen 0 1280x900x24" build/bin/orvelis 2>&1 | grep 'first page' || true
done
