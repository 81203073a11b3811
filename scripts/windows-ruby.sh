#!/usr/bin/env bash
# Cross-builds a Windows Ruby (x86_64-w64-mingw32) from Debian's source
# package with Debian's MinGW-w64, the system Ruby as the build's base Ruby,
# and prints the folder it is installed in:
#   ${XDG_CACHE_HOME:-~/.cache}/noxbin2xml/windows-ruby/VERSION-HASH/
#     bin/ruby.exe, bin/x64-msvcrt-ruby310.dll, lib/ruby/...
# HASH covers the source version and this script, so a changed recipe builds
# anew and an unchanged one costs nothing. The build is minimal: no
# documentation, and only the extensions the Ruby tests and minitest load.
#   scripts/windows-ruby.sh [PACKAGE/SUITE]      default ruby3.1/bookworm
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$("$here/debian-source.sh" "${1:-ruby3.1/bookworm}")"
host=x86_64-w64-mingw32
cache="${XDG_CACHE_HOME:-$HOME/.cache}/noxbin2xml/windows-ruby"
recipe_hash="$(sha256sum "$0" | cut -c1-12)"
target="$cache/$(basename "$source_dir")-$recipe_hash"
if [ -x "$target/bin/ruby.exe" ]; then
  echo "$target"
  exit 0
fi

extensions="etc,stringio,io/console,io/wait,digest,digest/sha2,pathname,json,json/*,monitor"
mkdir -p "$cache"
work="$(mktemp -d "$cache/.build.XXXXXX")"
trap 'rm -rf "$work"' EXIT
echo "building the Windows Ruby from $source_dir in $work (minutes)" >&2
# Debian's patches edit configure.ac, not configure, and make would then
# want autoconf; what they change (x32, unknown CPUs, pkg-config's prefix)
# concerns no Windows build, so a copy of the tree keeps the shipped
# configure, marked newer.
cp -a "$source_dir" "$work/src"
touch "$work/src/configure"
(
  mkdir "$work/build" && cd "$work/build"
  # The GCC runtime is linked in: ruby.exe and its DLL import only Windows'
  # own DLLs, and run where no MinGW runtime is installed.
  ../src/configure --host="$host" --target="$host" --build="$(gcc -dumpmachine)" \
    --prefix=/ruby --with-baseruby="$(command -v ruby)" \
    CC="$host-gcc-posix" CXX="$host-g++-posix" LDFLAGS="-static-libgcc" \
    --disable-install-doc --disable-jit-support --without-gmp \
    --with-ext="$extensions" >configure.log
  make -j2 >make.log 2>&1 || { tail -40 make.log; exit 1; }
  make install-nodoc DESTDIR="$work/image" >install.log 2>&1 || { tail -40 install.log; exit 1; }
) >&2
rm -rf "$target"
mv "$work/image/ruby" "$target"
echo "$target"
