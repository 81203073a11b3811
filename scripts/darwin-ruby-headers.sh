#!/usr/bin/env bash
# Makes the C headers of a Ruby as built for macOS: Ruby's sources from a
# Debian source package, and the config.h that Ruby's own configure writes
# for darwin with zig as the cross compiler. Prints the folder holding
# include/ (Ruby's headers) and arch/ (config.h), which is cached, keyed by
# the source, this recipe and zig's version.
#   scripts/darwin-ruby-headers.sh SOURCE_PACKAGE ZIG_TARGET   e.g. ruby3.3/trixie aarch64-macos
set -euo pipefail
cd "$(dirname "$0")/.."
source_package=$1
zig_target=$2
deployment=13.3  # std::to_chars of floats; see cmake/zig-macos.cmake
zig_dir="$(scripts/zig.sh)"
export ZIG_GLOBAL_CACHE_DIR="$(scripts/zig.sh --cache)" ZIG_LOCAL_CACHE_DIR="$(scripts/zig.sh --cache)"
source="$(scripts/debian-source.sh "$source_package")"

key="$( (echo "$source $zig_target $deployment"; "$zig_dir/zig" version; cat "$0") | sha256sum | cut -c1-16)"
out="${XDG_CACHE_HOME:-$HOME/.cache}/noxbin2xml/ruby-darwin/$(basename "$source")-$zig_target-$key"
if [ -f "$out/.done" ]; then
  echo "$out"
  exit 0
fi

# configure runs out of the source tree, which stays untouched.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
host="${zig_target%%-*}-apple-darwin"
zig="$zig_dir/zig"
# What configure cannot find out without running a program on the target,
# given as macOS answers it.
cache_answers=(
  ac_cv_func_setpgrp_void=yes
  rb_cv_stack_grow_dir=-1
  # Through zig, configure's probe of warning flags keeps options clang
  # only warns about (-Wimplicit-fallthrough=0...); they then fail every
  # later check made with -Werror (visibility, the export attribute), and
  # config.h would lack RUBY_FUNC_EXPORTED. Setting the flags skips the probe.
  warnflags=-Wall
)
# configure links every test program with -lobjc, a library zig does not
# carry: a stub names it (Ruby's headers need none of its symbols).
mkdir "$work/stubs"
cat >"$work/stubs/libobjc.tbd" <<'STUB'
--- !tapi-tbd
tbd-version:     4
targets:         [ x86_64-macos, arm64-macos ]
install-name:    '/usr/lib/libobjc.A.dylib'
exports:
  - targets:         [ x86_64-macos, arm64-macos ]
    symbols:         [ _objc_msgSend ]
...
STUB
(cd "$work" && "$source/configure" --host="$host" --build="$(uname -m)-linux-gnu" \
  --disable-install-doc --disable-shared --with-baseruby="$(command -v ruby)" \
  CC="$zig cc -target $zig_target.$deployment" CXX="$zig c++ -target $zig_target.$deployment" \
  LDFLAGS="-L$work/stubs" AR="$zig ar" RANLIB="$zig ranlib" NM=llvm-nm STRIP=: \
  "${cache_answers[@]}") >"$work/configure.log" 2>&1 || {
  tail -n 20 "$work/configure.log" >&2
  cp "$work/config.log" /tmp/darwin-ruby-config.log && echo "configure log: /tmp/darwin-ruby-config.log" >&2
  exit 1
}

rm -rf "$out"
mkdir -p "$out/arch/ruby"
cp -R "$source/include" "$out/include"
cp "$work"/.ext/include/*/ruby/config.h "$out/arch/ruby/config.h"
cp "$work/configure.log" "$out/"
touch "$out/.done"
echo "$out"
