#!/usr/bin/env bash
# The test command's `rubies` stage. For Debian's own Ruby and every Ruby
# scripts/rubies.sh builds: the extension built by that Ruby's extconf.rb
# into build/rubies/VERSION/, its compile lines checked for the optimisation
# level, then the Ruby suite and its GC.stress run with that extension first
# on the load path. Prints each Ruby's times.
#   scripts/test-rubies.sh [SOURCE...]   source packages as scripts/rubies.sh takes them
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
out_root="$root/build/rubies"

# Minitest comes from Debian's package: the Rubies built from Debian's
# sources carry no bundled gems. Its mutex_m is a bundled gem from Ruby 3.4
# on, so those Rubies get Debian's Ruby's copy from a folder of its own.
minitest_lib="$(dirname "$(dpkg -L ruby-minitest | grep '/lib/minitest\.rb$')")"
mutex_m_lib="$out_root/mutex_m"
mkdir -p "$mutex_m_lib"
cp "$(ruby -e 'print $LOAD_PATH.resolve_feature_path("mutex_m")[1]')" "$mutex_m_lib/"

# A hash of what the extension's build reads: the Ruby and the sources.
extension_inputs() {
  local ruby="$1"
  { "$ruby" -e 'print RUBY_DESCRIPTION, RbConfig.ruby'
    find ext/noxbin2xml -type f -print0 | sort -z | xargs -0 sha256sum; } | sha256sum | cut -c1-16
}

# Builds the extension with RUBY's extconf.rb into OUT (make's commands in
# OUT/compile.log) unless OUT holds a build of the same inputs.
build_extension() {
  local ruby="$1" out="$2" inputs
  inputs="$(extension_inputs "$ruby")"
  if [ "$(cat "$out/.inputs" 2>/dev/null)" = "$inputs" ]; then
    echo "  extension kept from an earlier build of the same sources"
    return 0
  fi
  rm -rf "$out"
  mkdir -p "$out"
  (cd "$out" && "$ruby" "$root/ext/noxbin2xml/extconf.rb" >extconf.log &&
    nice make V=1 -j2 >compile.log 2>&1) || { tail -30 "$out/compile.log" "$out/extconf.log" >&2; return 1; }
  echo "$inputs" >"$out/.inputs"
}

# Every C++ compile line in OUT/compile.log must end up at -O2: the last
# -O option wins, whatever the Ruby's own CXXFLAGS held before it.
check_optimisation() {
  local ruby="$1" out="$2"
  echo "  Ruby's CXXFLAGS: '$("$ruby" -e 'print RbConfig::CONFIG["CXXFLAGS"]')'"
  echo "  extension's $(grep '^CXXFLAGS = ' "$out/Makefile")"
  awk '/ -c / && /\.cpp/ { lines++; level = ""
         for (i = 1; i <= NF; i++) if ($i ~ /^-O/) level = $i
         if (level != "-O2") { print "  compiled at " (level == "" ? "no -O" : level) ": " $0; bad++ } }
       END { if (!lines) print "  no compile line in the log"; exit !lines || bad }' "$out/compile.log"
}

# Builds, checks and runs the suites under one Ruby.
test_ruby() {
  local version="$1" ruby="$2" out="$out_root/$1" start
  local load_path=(-I "$minitest_lib")
  "$ruby" -e 'require "mutex_m"' 2>/dev/null || load_path+=(-I "$mutex_m_lib")
  load_path+=(-I "$out" -I "$root/lib")
  echo "== Ruby $version ($ruby)"
  start=$SECONDS
  build_extension "$ruby" "$out"
  check_optimisation "$ruby" "$out"
  local built=$((SECONDS - start))
  NOXBIN2XML_TOOL="$root/build/noxbin2xml" "$ruby" "${load_path[@]}" test/run_all.rb
  local suite=$((SECONDS - start - built))
  "$ruby" "${load_path[@]}" test/run_all.rb --gc-stress
  echo "Ruby $version: extension ${built} s, suite ${suite} s, GC.stress run $((SECONDS - start - built - suite)) s" |
    tee -a "$out_root/times"
}

main() {
  scripts/build.sh noxbin2xml  # the tool the tool tests run
  local rubies
  rubies="$(scripts/rubies.sh "$@")"
  rm -f "$out_root/times"
  test_ruby "$(ruby -e 'print RUBY_VERSION')" "$(ruby -e 'print RbConfig.ruby')"
  local version prefix
  while read -r version prefix; do
    test_ruby "$version" "$prefix/bin/ruby"
  done <<<"$rubies"
  cat "$out_root/times"
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  main "$@"
fi
