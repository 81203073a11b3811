#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the command-line
# tool converts bundled sample records (a light, a material, a scene) and
# explains a damaged one. Outputs go to build/main-job/. Then builds the web
# page and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
source scripts/compiler-cache.sh
scripts/build.sh >/dev/null

tool=build/noxbin2xml
out=build/main-job
rm -rf "$out"
mkdir -p "$out"

echo "== Light record samples/lights/omni-2.rec (type 2, an omni light):"
"$tool" light 2 samples/lights/omni-2.rec

echo
echo "== Material record samples/materials/bump-3.rec (type 3, a bump over a displaced material):"
"$tool" material 3 samples/materials/bump-3.rec -o "$out/bump-3.xml"
echo "   $out/bump-3.xml, $(wc -l <"$out/bump-3.xml") lines; its assets (type, url):"
grep -o '<Asset [^>]*' "$out/bump-3.xml" | sed -E 's/.* type="([^"]*)" url="([^"]*)".*/   \1  \2/'
echo "   the material itself:"
sed -n '/url="\/Rough Cobblestone" >/,$p' "$out/bump-3.xml" | head -n 14 | sed 's/^/ /' 

echo
echo "== Scene record samples/scenes/kind4-sky.rec:"
"$tool" scene samples/scenes/kind4-sky.rec -o "$out/kind4-sky"
echo "   files written:"
find "$out/kind4-sky" -type f | sort | sed 's/^/   /'

echo
echo "== A damaged record: noxbin2xml explain material 3 samples/broken/bump-bad-uvw-3.rec"
"$tool" explain material 3 samples/broken/bump-bad-uvw-3.rec || true

echo
echo "== The web page (open it in a browser; it converts and inspects records without a network):"
scripts/web-build.sh
