#!/usr/bin/env bash
# The files the desktop and the manual read: the desktop entry and the AppStream metadata pass
# their validators, and each built manual page renders with no warning from man.
# Usage: desktop_files_test.sh SOURCE_DIR MAN_DIR
set -euo pipefail
source_dir=$1
man_dir=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(desktop-file-validate "$source_dir/data/org.orvelis.Reader.desktop" 2>&1) || fail "desktop entry: $out"
[ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net "$source_dir/data/org.orvelis.Reader.metainfo.xml" >/dev/null ||
  fail "AppStream metadata: $(appstreamcli validate --no-net "$source_dir/data/org.orvelis.Reader.metainfo.xml")"

pages=("$man_dir"/*.1)
[ -e "${pages[0]}" ] || fail "no manual pages in $man_dir"
for page in "${pages[@]}"; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  # The page says what its program is.
  MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q "^NAME" || fail "$(basename "$page") has no NAME section"
done
echo "desktop files and manual pages: ok (${#pages[@]} pages)"
