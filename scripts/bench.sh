#!/usr/bin/env bash
# Builds and runs every benchmark program and prints the figures of the
# performance page: each ratio compares two measurements interleaved in the
# same run (medians over repetitions), so a busy machine affects both alike.
#   BENCH_REPETITIONS  repetitions of each measurement (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions="${BENCH_REPETITIONS:-15}"
out=build/bench

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOXBIN2XML_RUBY=ON -DNOXBIN2XML_BENCH=ON >/dev/null
cmake --build build -j 2 --target Noxbin2xml noxbin2xml_bench_tool noxbin2xml_bench_writer noxbin2xml_bench_library \
  noxbin2xml noxbin2xml_bench_web
page="$(scripts/web-build.sh)"
mkdir -p "$out"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "ruby: $(ruby -e 'print RUBY_DESCRIPTION')"

echo "== Ruby boundary on the bundled samples: convert_material, convert_light, a pure-Ruby spot light converter"
ruby -Ibuild/ruby bench/ruby_boundary_bench.rb samples "$((2 * repetitions + 1))"

gbench=(--benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true
        --benchmark_report_aggregates_only=true --benchmark_out_format=json)

echo "== XML writer: ours against libxml2's xmlTextWriter"
build/noxbin2xml_bench_writer "${gbench[@]}" --benchmark_out="$out/writer.json" >/dev/null
ruby bench/ratios.rb writer "$out/writer.json"

echo "== Material library of 100, 1,000 and 10,000 materials: read, every document written"
build/noxbin2xml_bench_library "${gbench[@]}" --benchmark_min_time=0.2 --benchmark_out="$out/library.json" >/dev/null
ruby bench/ratios.rb library "$out/library.json"

echo "== The web page's module under node against the same entry points native, and the native tool, per record"
node --no-warnings bench/web_bench.js build build-wasm/noxbin2xml_web.wasm "$repetitions"
echo "page: $page, $(stat -c %s "$page") bytes"
