#!/usr/bin/env bash
# Runs the tool on every bundled sample and compares what it writes, byte for
# byte, with the expected files beside this script:
#   lights/, materials/, text/  the document of each light, material and
#                               textual sample
#   scenes/NAME/, names/NAME/   options.xml and materials/*.xml of each scene
#   broken/NAME.txt             explain's failure chain (or load error) and
#                               exit status for each broken sample
#   explain/NAME.txt            explain's whole output for a few samples
#
#   check.sh TOOL...            compare (ctest's sample_outputs runs this)
#   check.sh --update TOOL...   rewrite the expected files from TOOL's output
#
# TOOL... is the command that runs the tool, e.g. build/noxbin2xml, or
# "wine build-mingw/noxbin2xml.exe" for a cross-built one.
set -euo pipefail
update=0
if [ "${1:-}" = --update ]; then update=1; shift; fi
[ $# -gt 0 ] || { echo "usage: $0 [--update] TOOL..." >&2; exit 2; }
tool=()
for word in "$@"; do  # the samples are read from their own folder
    if [ -e "$word" ]; then tool+=("$(realpath "$word")"); else tool+=("$word"); fi
done
here=$(cd "$(dirname "$0")" && pwd)
samples=$(cd "$here/../../samples" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The record kind of a sample: scenes are under scenes/ or named scene-*;
# light samples are named after their light ("omni-2.rec"), and so are the
# textual and broken samples of lights.
kind_of() {
    local path=$1 name
    name=$(basename "$path")
    case $path in scenes/* | */scene-*) echo scene; return ;; esac
    if compgen -G "$samples/lights/${name%%-*}-*.rec" >/dev/null; then echo light; else echo material; fi
}

explain() {
    local kind=$1 path=$2
    if [ "$kind" = scene ]; then "${tool[@]}" explain scene "$path"; else "${tool[@]}" explain "$kind" auto "$path"; fi
}

# A conversion of a whole folder; its messages are shown only when it fails.
convert() {
    "${tool[@]}" "$@" >"$out/log" 2>&1 || { cat "$out/log" >&2; exit 1; }
}

cd "$samples"
convert light auto lights -o "$out/lights"
convert material auto materials -o "$out/materials"
convert scene scenes -o "$out/scenes"
convert scene names -o "$out/names"

mkdir -p "$out/text" "$out/broken" "$out/explain"
for path in text/*; do
    name=$(basename "$path")
    "${tool[@]}" "$(kind_of "$path")" auto "$path" >"$out/text/${name%.*}.xml"
done

# The failure chain is what explain prints between "does not convert:" and
# the blank line before the tree of what was read; a file that does not load
# gives its message instead.
for path in broken/*; do
    name=$(basename "$path")
    status=0
    explain "$(kind_of "$path")" "$path" >"$out/raw" 2>&1 || status=$?
    awk '/^does not convert:$/ { found = 1; chain = 1; next }
         chain && /^$/ { chain = 0 }
         chain { print }
         !found { rest = rest $0 "\n" }
         END { if (!found) printf "%s", rest }' "$out/raw" >"$out/broken/${name%.*}.txt"
    echo "exit status $status" >>"$out/broken/${name%.*}.txt"
done
rm -f "$out/raw" "$out/log"

for path in lights/sun-v2-5.rec materials/layered-v1-1.rec scenes/kind4-sky.rec broken/layered-truncated-1.rec; do
    name=$(basename "$path")
    explain "$(kind_of "$path")" "$path" >"$out/explain/${name%.*}.txt" 2>&1 || true
done

# Git keeps no empty folders (a scene without materials has an empty
# materials/), so a fresh clone has none to compare with.
find "$out" -mindepth 1 -type d -empty -delete

status=0
for folder in lights materials scenes names text broken explain; do
    if [ $update = 1 ]; then
        rm -rf "${here:?}/$folder"
        cp -r "$out/$folder" "$here/$folder"
    elif ! diff -ru "$here/$folder" "$out/$folder"; then
        status=1
    fi
done
[ $update = 1 ] && echo "updated the expected files in $here"
exit $status
