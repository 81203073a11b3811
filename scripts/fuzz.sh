#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UBSan) and runs
# each for SECONDS (default 60), seeded from the bundled samples and the
# regression inputs in fuzz/corpus/<target>/. The targets are built in
# build-clang/ (scripts/clang-build.sh). New coverage is kept in
# build-fuzz/corpus/<target>/; crashing inputs land in build-fuzz/artifacts/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]    targets: light material scene archive
# Exits non-zero when any target finds a crash, leak or timeout.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(light material scene archive)

scripts/install-deps.sh
scripts/clang-build.sh "${targets[@]/#/fuzz_}" >/dev/null

# Seeds: a light or material record gets its type as the first byte (the
# targets map byte b to type b - 1); scenes and archive bytes go in as they are.
seed_typed() { # folder target
  local file type
  for file in samples/"$1"/*.rec; do
    type="${file##*-}"; type="${type%.rec}"
    { printf "\\$(printf '%03o' $((type + 1)))"; cat "$file"; } >"build-fuzz/seeds/$2/$(basename "$file")"
  done
}
rm -rf build-fuzz/seeds
mkdir -p build-fuzz/seeds/{light,material,scene,archive}
seed_typed lights light
seed_typed materials material
cp samples/scenes/*.rec samples/broken/scene-*.rec build-fuzz/seeds/scene/
cp samples/lights/*.rec samples/scenes/kind1-options.rec build-fuzz/seeds/archive/

status=0
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target" "fuzz/corpus/$target"
  log="build-fuzz/fuzz_$target.log"
  echo "== fuzz_$target for ${seconds} s"
  if build-clang/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target/" \
       "build-fuzz/corpus/$target" "fuzz/corpus/$target" "build-fuzz/seeds/$target" >"$log" 2>&1; then
    # The last status line holds the coverage; the final stats the speed.
    grep -E '^#[0-9]+' "$log" | tail -n 1
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$log"
  else
    status=1
    tail -n 40 "$log"
    echo "fuzz_$target failed: the input is in build-fuzz/artifacts/$target/; add it to fuzz/corpus/$target/ once fixed"
  fi
done
exit "$status"
