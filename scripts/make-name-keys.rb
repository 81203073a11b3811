#!/usr/bin/env ruby
# Writes tools/noxbin2xml/NameKeys.inc from Ruby's Unicode tables (which Ruby
# generates from the Unicode data files: UnicodeData.txt, CaseFolding.txt,
# DerivedNormalizationProps.txt).
#
# Two names are one file somewhere when their keys are equal. A character's
# key is its canonical decomposition (NFD), each character of it upper-cased
# (simple mapping, as NTFS does) and then fully case folded (ß is ss, as APFS
# does), and decomposed again. The tool appends the keys of a name's
# characters, decomposes Hangul syllables by rule, and puts combining marks
# in canonical order with the combining classes written here.
#   ruby scripts/make-name-keys.rb
require "unicode_normalize/tables"

def single(text, fallback)
  text.length == 1 ? text : fallback
end

def key_of(char)
  upper = char.unicode_normalize(:nfd).each_char.map { |c| single(c.upcase, c) }.join
  upper.downcase(:fold).unicode_normalize(:nfd)
end

HANGUL = (0xAC00..0xD7A3).freeze
keys = (0x80..0x10FFFF).filter_map do |cp|
  next if (0xD800..0xDFFF).cover?(cp) || HANGUL.cover?(cp)

  char = cp.chr(Encoding::UTF_8)
  key = key_of(char)
  [cp, key.codepoints] if key != char
end

pool = []
entries = keys.map do |cp, key|
  at = pool.size
  pool.concat(key)
  format("{0x%05X, %d, %d}", cp, at, key.size)
end

classes = UnicodeNormalize::CLASS_TABLE.map { |char, value| [char.ord, value] }.sort
runs = classes.chunk_while { |(a, x), (b, y)| b == a + 1 && x == y }
              .map { |run| format("{0x%05X, 0x%05X, %d}", run.first[0], run.last[0], run.first[1]) }

def rows(items, per_row)
  items.each_slice(per_row).map { |slice| slice.join(", ") + "," }.join("\n")
end

path = File.expand_path("../tools/noxbin2xml/NameKeys.inc", __dir__)
File.write(path, <<~CPP)
  // Name keys from the tables of Unicode #{RbConfig::CONFIG["UNICODE_VERSION"]}, written by
  // scripts/make-name-keys.rb; do not edit.

  // {character, start in kKeyPool, length}: every character above ASCII whose
  // key is not itself; Hangul syllables are decomposed by rule.
  constexpr KeyEntry kKeyEntries[] = {
  #{rows(entries, 5)}
  };

  constexpr char32_t kKeyPool[] = {
  #{rows(pool.map { |cp| format("0x%05X", cp) }, 10)}
  };

  // {first, last, combining class}: the characters of a nonzero class.
  constexpr CombiningRun kCombiningRuns[] = {
  #{rows(runs, 4)}
  };
CPP
puts "#{entries.size} keys (#{pool.size} characters), #{runs.size} combining runs written to #{path}"
