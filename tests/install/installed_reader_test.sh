#!/usr/bin/env bash
# The installed reader, end to end: `cmake --install` of the build into a scratch prefix puts every
# file in its place, and the installed programs work from any folder: --version without a display,
# the tool on the installed book with the installed PDF helper, the reader to its first page under
# Xvfb, and a clear message naming where it looked when the book is not there.
# Usage: installed_reader_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/orvelis bin/orvelis-tool libexec/orvelis/orvelis-pdf share/orvelis/book.dat \
  share/applications/org.orvelis.Reader.desktop share/metainfo/org.orvelis.Reader.metainfo.xml \
  share/icons/hicolor/scalable/apps/org.orvelis.Reader.svg \
  share/man/man1/orvelis.1.gz share/man/man1/orvelis-tool.1.gz share/doc/orvelis/copyright; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/org.orvelis.Reader.png
  [ -s "$icon" ] || fail "the ${size}px icon is not installed"
  # The file's own size is what its folder says (PNG header: width and height at bytes 16..23).
  side="0 0 $((size / 256)) $((size % 256))"
  [ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')" = "$side $side" ] ||
    fail "the icon in ${size}x${size} is not ${size}px"
done
[ ! -e "$prefix/bin/book.dat" ] || fail "a book.dat beside the installed programs would hide the data folder's"

# Help and version need no display.
cd "$work"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/orvelis" --version)" = "orvelis 3.4" ] || fail "orvelis --version"
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/orvelis" --help | grep -q '^usage: orvelis' || fail "orvelis --help"
status=0
env -u DISPLAY "$prefix/bin/orvelis" --no-such-option >/dev/null 2>"$work/err" || status=$?
[ "$status" = 1 ] && grep -q '^usage: orvelis' "$work/err" || fail "an unknown option gives the usage and status 1"

# The installed tool finds the installed book, and its PDF helper in libexec.
"$prefix/bin/orvelis-tool" info | grep -q '^papers: 197$' || fail "the installed tool does not read the installed book"
QT_QPA_PLATFORM=offscreen QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
  "$prefix/bin/orvelis-tool" export-parallel page12 "$work/page12.pdf" || fail "export-parallel to PDF"
[ "$(head -c 5 "$work/page12.pdf")" = "%PDF-" ] || fail "the PDF helper wrote no PDF"

# The reader started from an unrelated folder, in fresh settings, to its first page.
run_reader() {
  XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" ORVELIS_MESSAGE_LOG="$work/messages.log" \
    ORVELIS_REPORT_STARTUP=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$prefix/bin/orvelis" "$@"
}
status=0
run_reader >"$work/out" 2>"$work/err" || status=$?
grep -q 'first page loaded after' "$work/err" || { cat "$work/err" >&2; fail "the installed reader did not show its first page (status $status)"; }
[ ! -e "$work/messages.log" ] || { cat "$work/messages.log" >&2; fail "the installed reader showed a message"; }

# No book: the message names every place looked at, and the run ends with status 2.
mv "$prefix/share/orvelis/book.dat" "$work/moved.dat"
status=0
run_reader >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fail "a missing book ends with status $status, not 2"
grep -q "$prefix/bin/book.dat" "$work/messages.log" && grep -q "$prefix/share/orvelis/book.dat" "$work/messages.log" ||
  { cat "$work/messages.log" >&2; fail "the missing book's message does not name where the reader looked"; }

# --book opens the file named, from anywhere.
rm -f "$work/messages.log"
run_reader --book "$work/moved.dat" >/dev/null 2>"$work/err" || true
grep -q 'first page loaded after' "$work/err" || { cat "$work/err" "$work/messages.log" >&2 || true; fail "--book PATH"; }
echo "installed reader: ok"
