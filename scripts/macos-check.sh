#!/usr/bin/env bash
# Checks the Mach-O images of a zig macOS build (cmake/zig-macos.cmake):
# each is Mach-O for its CPU; the extension is a bundle exporting only
# Init_Noxbin2xml, and every symbol it leaves to the loading process is
# named by test/cross/macos-undefined-symbols.txt (Ruby's C API, the C and
# C++ libraries), so that a new dependency fails here.
#   scripts/macos-check.sh BUILD_DIR CPU    CPU: x86_64 or arm64
set -euo pipefail
build=$1
cpu=$2
allowed="$(dirname "$0")/../test/cross/macos-undefined-symbols.txt"
extension="$build/ruby/Noxbin2xml.bundle"
failures=0
fail() {
  echo "$*"
  failures=$((failures + 1))
}

for image in "$build/noxbin2xml" "$build/noxbin2xml_tests" "$build/make_samples" "$extension"; do
  description="$(file -b "$image")"
  [[ $description == "Mach-O 64-bit $cpu "* ]] || fail "$image is not Mach-O for $cpu: $description"
done
[[ "$(llvm-objdump --macho --private-headers "$extension")" == *" BUNDLE "* ]] || fail "$extension is not a bundle"

exported="$(llvm-nm -g --defined-only --just-symbol-name "$extension")"
[ "$exported" = "_Init_Noxbin2xml" ] || fail "$extension exports more or less than _Init_Noxbin2xml:
$(head -n 10 <<<"$exported")"

# The allow-list: one extended regular expression per line, matching whole names.
patterns="$(grep -v -e '^#' -e '^$' "$allowed" | sed 's/.*/^(&)$/')"
unexpected="$(llvm-nm -u --just-symbol-name "$extension" | grep -v -E -f <(echo "$patterns") || true)"
[ -z "$unexpected" ] || fail "$extension needs symbols outside $allowed:
$unexpected"

echo "$cpu: $(llvm-nm -u "$extension" | wc -l) undefined symbols checked, $failures failures"
[ "$failures" -eq 0 ]
