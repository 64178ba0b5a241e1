#!/usr/bin/env bash
# Configures and builds the release tree in build/ (the reader, the tool, the tests, the sample book).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVELIS_BUILD_TESTS=ON -DORVELIS_BUILD_BENCH=ON -DORVELIS_BUILD_GUI=ON >/dev/null
cmake --build build --parallel "$(nproc)"
