#!/usr/bin/env bash
# Makes the Debian package from the release tree in build/ (built first when needed) and checks
# it: lintian finds no error, apt can install it with its computed dependencies (simulated, so
# this machine is left as it was), and the unpacked programs run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then scripts/build.sh; fi
cmake --build "$build" --parallel "$(nproc)" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls -t "$build"/orvelis_*.deb | head -n 1)

echo "make-deb: $deb"
dpkg-deb --field "$deb" Package Version Depends
# Errors fail the package; warnings are shown.
lintian --fail-on error "$deb"
# What a fresh machine's `apt-get install ./orvelis_*.deb` would do, without doing it.
apt-get install --simulate --no-install-recommends "./$deb" >/dev/null
# The stripped programs still run, and find the book from where they are unpacked.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg -x "$deb" "$unpacked"
[ "$(env -u DISPLAY "$unpacked/usr/bin/orvelis" --version)" = "orvelis 3.4" ]
"$unpacked/usr/bin/orvelis-tool" info | grep -q '^papers: 197$'
echo "make-deb: lintian and apt accept $deb"
