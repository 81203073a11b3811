#!/usr/bin/env bash
# Configures and builds everything (core library, extension, tools, tests) in
# build/, or only the targets named.
#   scripts/build.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" "${targets[@]}"
