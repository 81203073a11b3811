#!/usr/bin/env bash
# Runs a cross-built noxbin2xml and the build machine's own on every bundled
# sample and compares what they write, byte for byte: documents on standard
# output and in files, records read from standard input, folders of inputs
# and of scene outputs (file names included), explanations, exit statuses,
# and a path with letters beyond ASCII. Messages on standard error name
# paths in each platform's own spelling and are not compared.
#   compare-tool-outputs.sh NATIVE_TOOL CROSS_TOOL_COMMAND...
set -uo pipefail
native=$1
shift
cross=("$@")
samples="$(cd "$(dirname "$0")/../../samples" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
checks=0
failures=0

# compare LABEL ARGS... [< INPUT]: standard output and exit status of both.
compare() {
  local label=$1 native_status=0 cross_status=0
  shift
  "$native" "$@" >"$work/native.out" 2>/dev/null <"${input:-/dev/null}" || native_status=$?
  "${cross[@]}" "$@" >"$work/cross.out" 2>/dev/null <"${input:-/dev/null}" || cross_status=$?
  checks=$((checks + 1))
  if [ "$native_status" != "$cross_status" ] || ! cmp -s "$work/native.out" "$work/cross.out"; then
    echo "differs: $label (exit $native_status and $cross_status)"
    failures=$((failures + 1))
  fi
}

# compare_folders LABEL ARGS...: the same call with -o under two folders,
# which must then hold the same files with the same bytes.
compare_folders() {
  local label=$1 native_status=0 cross_status=0
  shift
  rm -rf "$work/native" "$work/cross"
  "$native" "$@" -o "$work/native" >/dev/null 2>&1 || native_status=$?
  "${cross[@]}" "$@" -o "$work/cross" >/dev/null 2>&1 || cross_status=$?
  mkdir -p "$work/native" "$work/cross"  # a call that wrote nothing compares as empty
  checks=$((checks + 1))
  if [ "$native_status" != "$cross_status" ] || ! diff -r "$work/native" "$work/cross" >/dev/null; then
    echo "differs: $label (exit $native_status and $cross_status)"
    diff -r -q "$work/native" "$work/cross" | head -n 5
    failures=$((failures + 1))
  fi
}

for kind in light material; do
  for file in "$samples/${kind}s"/*.rec; do
    type="${file##*-}"
    input="" compare "$kind auto $file" "$kind" auto "$file"
    input="$file" compare "$kind ${type%.rec} < $file" "$kind" "${type%.rec}"
  done
  compare_folders "$kind auto ${kind}s/" "$kind" auto "$samples/${kind}s"
done
for file in "$samples"/text/*.txt; do
  kind=light
  [[ $file == *layered* ]] && kind=material
  input="$file" compare "$kind auto < $file" "$kind" auto "$file"
done
compare_folders "material auto broken/" material auto "$samples/broken"
compare_folders "scene scenes/" scene "$samples/scenes"
compare_folders "scene names/" scene "$samples/names"
for file in "$samples"/scenes/*.rec "$samples"/names/*.rec "$samples"/broken/scene-*.rec; do
  compare "explain scene $file" explain scene "$file"
done
compare "explain material bump-bad-uvw-3" explain material auto "$samples/broken/bump-bad-uvw-3.rec"

# Letters beyond ASCII in input and output paths.
mkdir -p "$work/Dossier été/Ünïcode"
cp "$samples/lights/omni-2.rec" "$work/Dossier été/Ünïcode/ómni-2.rec"
compare "light auto ómni-2.rec" light auto "$work/Dossier été/Ünïcode/ómni-2.rec"
compare_folders "light auto Ünïcode/" light auto "$work/Dossier été/Ünïcode"

# Names one file system takes for one: the second of each pair fails, and a
# scene's materials named alike get -2. "-o -" is standard output.
mkdir -p "$work/alike"
for name in $'caf\xc3\xa9-2.rec' $'cafe\xcc\x81-2.rec' "Straße-2.rec" "STRASSE-2.rec"; do
  cp "$samples/lights/omni-2.rec" "$work/alike/$name"
done
compare_folders "light auto alike/" light auto "$work/alike"
ruby -I"$(dirname "$0")/../support" -rrecords -e \
  'm = ->(n) { Records.layered(n, Records.diffuse([0.5, 0.5, 0.5])) }
   print Records.scene(2, m["\u00e9tude"], m["e\u0301tude"], m["Maß"], m["MASS"]).pack("C*")' >"$work/alike-scene.rec"
compare_folders "scene alike-scene.rec" scene "$work/alike-scene.rec"
input="" compare "light 2 -o -" light 2 "$samples/lights/omni-2.rec" -o -

echo "$checks comparisons, $failures differ"
[ "$failures" -eq 0 ]
