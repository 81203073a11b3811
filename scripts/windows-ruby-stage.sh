#!/usr/bin/env bash
# The extension in a Windows Ruby: the MinGW-w64 Ruby of
# scripts/windows-ruby.sh, the extension cross-built against it through its
# own extconf.rb into build/windows-ruby/ext/ (as rake-compiler's cross build
# does: this Ruby runs extconf.rb with the Windows Ruby's rbconfig.rb and
# mkmf.rb), its DLL imports checked, then under wine `require "Noxbin2xml"`
# and the Ruby suite, also under GC.stress. The tests of the command-line
# tool run the Windows tool NOXBIN2XML_TOOL names (build-mingw/noxbin2xml.exe).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
ruby_dir="$(scripts/windows-ruby.sh)"
out="$root/build/windows-ruby"
host=x86_64-w64-mingw32

# What the extension may import: Windows' own DLLs and the Ruby DLL. A MinGW
# runtime DLL (libstdc++-6, libgcc_s_seh-1, libwinpthread-1) is not on a
# host's search path, so the module would not load.
windows_dlls="kernel32.dll msvcrt.dll rpcrt4.dll shell32.dll user32.dll advapi32.dll ws2_32.dll"

cross_rbconfig() { find "$ruby_dir/lib/ruby" -path "*mingw*/rbconfig.rb" | head -1; }

# fake.rb and mkmf.rb as rake-compiler writes them: RbConfig and
# RUBY_PLATFORM become the Windows Ruby's, and its own mkmf loads them.
write_cross_config() {
  local rbconfig="$1" dir="$2"
  mkdir -p "$dir"
  cat >"$dir/fake.rb" <<RUBY
require "rbconfig"
class Object
  remove_const :RbConfig
  remove_const :RUBY_PLATFORM
end
load "$rbconfig"
class Object
  RUBY_PLATFORM = RbConfig::CONFIG["arch"]
end
class File
  remove_const :ALT_SEPARATOR
  ALT_SEPARATOR = "\\\\"
end
posthook = proc do
  \$ruby = "$(command -v ruby)"
  untrace_var(:\$ruby, posthook)
end
trace_var(:\$ruby, posthook)
RUBY
  sed "s/^require 'rbconfig'\$/require 'fake'/" "$(dirname "$rbconfig")/../mkmf.rb" >"$dir/mkmf.rb"
}

build_extension() {
  write_cross_config "$(cross_rbconfig)" "$out/cross"
  rm -rf "$out/ext"
  mkdir -p "$out/ext"
  (cd "$out/ext" && ruby -I"$out/cross" "$root/ext/noxbin2xml/extconf.rb" >/dev/null && make >/dev/null)
  mkdir -p "$out/lib/noxbin2xml"
  cp "$out/ext/Noxbin2xml.so" "$out/lib/noxbin2xml/"
}

check_imports() {
  local dll="$1" ruby_dll imports unexpected
  ruby_dll="$(ruby -I"$out/cross" -rfake -e 'print RbConfig::CONFIG["LIBRUBY_SO"]')"
  imports="$("$host-objdump" -p "$dll" | awk '/DLL Name:/ { printf "%s ", $3 }')"
  echo "$(basename "$dll") imports: $imports"
  unexpected="$(for name in $imports; do
    [[ " $windows_dlls ${ruby_dll,,} " == *" ${name,,} "* ]] || printf "%s " "$name"
  done)"
  if [ -n "$unexpected" ]; then
    echo "$(basename "$dll") imports what a host's Windows lacks: $unexpected" >&2
    return 1
  fi
}

windows_path() { echo "Z:${1//\//\\}"; }

wine_ruby() {
  env WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8 DISPLAY= \
    /usr/lib/wine/wine64 "$ruby_dir/bin/ruby.exe" "$@"
}

run_suite() {
  # Debian's Ruby sources carry no bundled gems; Debian's minitest is plain Ruby.
  local minitest
  minitest="$(ruby -e 'print Gem::Specification.find_by_name("minitest").full_require_paths.first')"
  # The gem's layout: the file system ignores letter case here, so
  # `require "Noxbin2xml"` finds lib/noxbin2xml.rb, which loads
  # noxbin2xml/Noxbin2xml.so; the tests find that folder on the load path.
  local load_path=()
  for dir in "$out/lib/noxbin2xml" "$out/lib" "$root/lib" "$minitest"; do load_path+=(-I "$(windows_path "$dir")"); done
  if [ -n "${NOXBIN2XML_TOOL:-}" ]; then
    NOXBIN2XML_TOOL="$(windows_path "$NOXBIN2XML_TOOL")"
    export NOXBIN2XML_TOOL
  fi
  # As in the host: Noxbin2xml.so alone on the load path.
  wine_ruby -I "$(windows_path "$out/lib/noxbin2xml")" -e 'require "Noxbin2xml"; puts "#{RUBY_DESCRIPTION}: Noxbin2xml #{Noxbin2xml::VERSION}"'
  wine_ruby "${load_path[@]}" "$(windows_path "$root/test/run_all.rb")"
  wine_ruby "${load_path[@]}" "$(windows_path "$root/test/run_all.rb")" --gc-stress
}

build_extension
check_imports "$out/lib/noxbin2xml/Noxbin2xml.so"
run_suite
