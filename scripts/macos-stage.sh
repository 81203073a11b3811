#!/usr/bin/env bash
# The test command's stage macos: zig (from the npm registry, cached) builds
# the core, the C++ tests, the tool and the extension for x86_64 and arm64
# macOS, against the headers of a Ruby configured for darwin, and
# scripts/macos-check.sh inspects the images. Then the same zig builds the
# tool for 64-bit Windows (x86_64-windows-gnu), whose outputs under wine must
# equal the stored ones and the Linux tool's on every sample.
#   scripts/macos-stage.sh    (build-macos-x86_64/, build-macos-aarch64/, build-zig-windows/)
set -euo pipefail
cd "$(dirname "$0")/.."
zig="$(scripts/zig.sh)/zig"
ZIG_GLOBAL_CACHE_DIR="$(scripts/zig.sh --cache)"
export ZIG_GLOBAL_CACHE_DIR ZIG_LOCAL_CACHE_DIR="$ZIG_GLOBAL_CACHE_DIR"
jobs="$(nproc)"
# zig keeps its own cache of compiled objects; ccache does not know zig.
unset CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER
# Ruby 3.3 stands in for the host's 3.2, which no Debian suite carries: the
# nearest Ruby with the same header layout (ruby/internal/).
ruby_source=ruby3.3/trixie

for target in x86_64-macos aarch64-macos; do
  build="build-macos-${target%-macos}"
  headers="$(scripts/darwin-ruby-headers.sh "$ruby_source" "$target")"
  # Linux's optimisation without debug information, as the mingw stage.
  cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/zig-macos.cmake -DNOXBIN2XML_ZIG="$zig" \
    -DNOXBIN2XML_ZIG_TARGET="$target" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DNOXBIN2XML_RUBY=ON -DNOXBIN2XML_RUBY_HEADERS="$headers" -DNOXBIN2XML_BENCH=OFF >/dev/null
  cmake --build "$build" -j "$jobs" --target noxbin2xml noxbin2xml_tests make_samples Noxbin2xml
  cpu="${target%-macos}"
  scripts/macos-check.sh "$build" "${cpu/aarch64/arm64}"
done

scripts/build.sh noxbin2xml  # the native tool the Windows one is compared with
cmake --no-warn-unused-cli -S . -B build-zig-windows -DCMAKE_TOOLCHAIN_FILE=cmake/zig-windows.cmake -DNOXBIN2XML_ZIG="$zig" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DNOXBIN2XML_REFERENCE_TOOL="$PWD/build/noxbin2xml" -DNOXBIN2XML_BENCH=OFF >/dev/null
cmake --build build-zig-windows -j "$jobs" --target noxbin2xml
(cd build-zig-windows && ctest --output-on-failure -R "sample_outputs|tool_matches_native")
