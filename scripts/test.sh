#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in stages, each
# timed:
#   native  build/: the C++ and Ruby suites, the Ruby ones also under
#           GC.stress and valgrind memcheck
#   clang   build-clang/: Clang with libc++ (the stand-in for Apple's
#           toolchain) under AddressSanitizer and UBSan: the C++ suite, then
#           a short run of every fuzz target
#   mingw   build-mingw/: the MinGW-w64 cross build, run under wine: the C++
#           suite, the sample generator, and the Windows tool on every sample
#           against the stored outputs and against the native tool
#   gem     rake compile, then the gem built, installed into a scratch gem
#           home and required by its name
#   rubies  Debian's Ruby and Rubies 2.7 to 3.4 built from Debian's source
#           packages (cached): the extension built by each one's extconf.rb
#           and checked for -O2, then the Ruby suite and its GC.stress run
#           (scripts/test-rubies.sh)
#   windows-ruby  build/windows-ruby/: a MinGW-w64 Ruby built from Debian's
#           source (cached), the extension cross-built against it with its
#           extconf.rb and its DLL imports checked; under wine the Ruby
#           suite, also under GC.stress, the tool tests with the Windows tool
#   macos   build-macos-*/: zig builds everything but the benchmarks for
#           x86_64 and arm64 macOS; the Mach-O images, the extension's one
#           export and the symbols it needs are checked. build-zig-windows/:
#           zig's Windows tool on every sample against the native tool
#           (scripts/macos-stage.sh)
#   web     build-wasm/: the core and the web page's module for wasm32-wasi,
#           run under node's WASI on every sample against the stored
#           outputs; then the page build/web/noxbin2xml.html in headless
#           Chromium (web/test/browser.js): every sample, failures that stay
#           alone, no network request, no console error; its screenshot is
#           left in build/web/
# While iterating, NOXBIN2XML_SKIP="clang mingw gem rubies windows-ruby macos"
# skips the stages named; .ci/run always runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/compiler-cache.sh
jobs="$(nproc)"
export MAKEFLAGS="-j$jobs"  # mkmf's makefiles too

native_stage() {
  scripts/build.sh
  (cd build && ctest --output-on-failure)
}

clang_stage() {
  scripts/clang-build.sh noxbin2xml_tests noxbin2xml
  (cd build-clang && ctest --output-on-failure -R cpp_unit)
  scripts/fuzz.sh "${NOXBIN2XML_FUZZ_SECONDS:-45}"
}

# Linux's optimisation without debug information, with which the static
# programs take hundreds of megabytes and minutes to link.
mingw_configure() {
  cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DNOXBIN2XML_REFERENCE_TOOL="$PWD/build/noxbin2xml" >/dev/null
}

mingw_stage() {
  scripts/build.sh noxbin2xml  # the native tool the Windows one is compared with
  mingw_configure
  cmake --build build-mingw -j "$jobs"
  (cd build-mingw && ctest --output-on-failure)
}

gem_stage() {
  local converts='require "noxbin2xml"
    Noxbin2xml.convert_light(File.binread("samples/lights/omni-2.rec").bytes, 2).include?("LightOmni") or abort'
  rake compile
  ruby -Ilib -e "$converts"
  local home=build/gem-home
  rm -rf "$home"
  gem build noxbin2xml.gemspec --output build/noxbin2xml.gem
  GEM_HOME="$home" GEM_PATH="$home" gem install --local --no-document build/noxbin2xml.gem
  GEM_HOME="$home" GEM_PATH="$home" ruby -e "$converts"
  echo "installed gem: $(du -sh "$home" | cut -f1)"
}

rubies_stage() {
  scripts/test-rubies.sh
}

windows_ruby_stage() {
  mingw_configure
  cmake --build build-mingw -j "$jobs" --target noxbin2xml
  NOXBIN2XML_TOOL="$PWD/build-mingw/noxbin2xml.exe" scripts/windows-ruby-stage.sh
}

macos_stage() {
  scripts/macos-stage.sh
}

web_stage() {
  scripts/web-build.sh >/dev/null
  (cd build-wasm && ctest --output-on-failure)
  node web/test/browser.js build/web/noxbin2xml.html build/web/screenshot.png
}

# Each stage's time: wall clock, and the processor time of its programs
# (the fairer figure on a shared machine).
times="$(mktemp)"
trap 'rm -f "$times"' EXIT
for stage in native clang mingw gem rubies windows-ruby macos web; do
  if [[ " ${NOXBIN2XML_SKIP:-} " == *" $stage "* ]]; then
    echo "$stage: skipped" >>"$times"
    continue
  fi
  echo "== stage $stage"
  TIMEFORMAT="$stage: %0R s (processor: %0U s user, %0S s system)"
  { time "${stage//-/_}_stage" 2>&3; } 3>&2 2>>"$times"
done
echo "== stage times"
cat "$times"
