#!/usr/bin/env bash
# Configures and builds the named targets in build-clang/: Clang with libc++
# (the C++ library of Apple's toolchain), AddressSanitizer and UBSan, and the
# instrumentation libFuzzer needs. The C++ tests, the tool and the fuzz
# targets share its objects.
#   scripts/clang-build.sh TARGET...
set -euo pipefail
cd "$(dirname "$0")/.."
targets=()
for target in "$@"; do targets+=(--target "$target"); done
# -O1 and line tables only: what the sanitizers recommend, and it compiles
# faster than -O2 -g.
CC=clang CXX=clang++ cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" -DNOXBIN2XML_LIBCXX=ON -DNOXBIN2XML_FUZZ=ON >/dev/null
cmake --build build-clang -j "$(nproc)" "${targets[@]}"
