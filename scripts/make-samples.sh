#!/usr/bin/env bash
# Regenerates the sample records under samples/ with this project's own
# record writers (tools/make_samples). The result is the same on every run;
# the samples_regenerate test checks that the bundled files match it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target make_samples >/dev/null
build/make_samples samples
