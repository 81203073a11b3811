#!/usr/bin/env bash
# Builds the web page: the converter module for wasm32-wasi in build-wasm/,
# the npm packages of web/ (the zip library the page bundles, the browser
# test's Chromium driver; npm's cache stays outside the clone), then the page
# build/web/noxbin2xml.html, whose path it prints last.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/compiler-cache.sh
export npm_config_cache="${XDG_CACHE_HOME:-$HOME/.cache}/noxbin2xml/npm"
cmake -S . -B build-wasm -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-wasm -j "$(nproc)" >/dev/null
if [ ! -d web/node_modules ] || [ web/package-lock.json -nt web/node_modules ]; then
  (cd web && npm ci --no-audit --no-fund >&2)
fi
node web/build-page.js build-wasm/noxbin2xml_web.wasm build/web/noxbin2xml.html >&2
echo "build/web/noxbin2xml.html"
