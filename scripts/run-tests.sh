#!/usr/bin/env bash
# Sets up, builds and runs every test: the release build (unit, command-line, window and install
# tests, and one brief run of every benchmark), its Debian package, then the core and the
# command-line tool again under AddressSanitizer and UndefinedBehaviorSanitizer with the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && ctest --output-on-failure --timeout 600 -j "$(nproc)")
# The Debian package of that build, checked by lintian and apt (a few seconds).
scripts/make-deb.sh

# Sanitizers and fuzzing need clang's runtimes; the core, the tool and their tests are rebuilt with them.
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DORVELIS_BUILD_GUI=OFF -DORVELIS_BUILD_BENCH=OFF -DORVELIS_BUILD_FUZZ=ON -DORVELIS_SANITIZE=ON >/dev/null
cmake --build build-sanitize --parallel "$(nproc)"
(cd build-sanitize && ctest --output-on-failure --timeout 600 -L 'unit|cli|fuzz')
