#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the C++ and Ruby
# suites (the Ruby ones also under GC.stress and valgrind memcheck), the C++
# suite again under AddressSanitizer and UBSan, and a short run of every
# fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"

scripts/build.sh
(cd build && ctest --output-on-failure)

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DNOXBIN2XML_RUBY=OFF -DNOXBIN2XML_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs" --target noxbin2xml_tests
(cd build-asan && ctest --output-on-failure -R cpp_unit)

scripts/fuzz.sh "${NOXBIN2XML_FUZZ_SECONDS:-45}"
