#!/usr/bin/env ruby
# Writes tools/noxbin2xml/CaseKeyRuns.inc from Ruby's Unicode tables: for every
# character above ASCII whose case key differs from itself, the key. The key
# is the simple case folding of the simple upper case, so that two names are
# equal by key when NTFS (which upper-cases) or APFS and HFS+ (which fold
# case) see them as one file name. Characters with the same offset to their
# key form runs, every character or every other one.
#   ruby scripts/make-case-keys.rb
def single(text, fallback) = text.length == 1 ? text : fallback

pairs = (0x80..0x10FFFF).filter_map do |cp|
  next if (0xD800..0xDFFF).cover?(cp)

  char = cp.chr(Encoding::UTF_8)
  upper = single(char.upcase, char)
  key = single(upper.downcase(:fold), single(upper.downcase, upper))
  [cp, key.ord] if key != char
end

runs = []
until pairs.empty?
  first, key = pairs.first
  delta = key - first
  length, stride = [1, 2].map do |step|
    n = 1
    n += 1 while n < pairs.size && pairs[n] == [first + step * n, first + step * n + delta]
    [n, step]
  end.max_by(&:first)
  runs << format("{0x%05X, 0x%05X, %d, %d}", first, first + stride * (length - 1), delta, stride)
  pairs.shift(length)
end

path = File.expand_path("../tools/noxbin2xml/CaseKeyRuns.inc", __dir__)
File.write(path, <<~CPP)
  // Case key runs {first, last, offset, step} from the tables of Unicode #{RbConfig::CONFIG["UNICODE_VERSION"]},
  // written by scripts/make-case-keys.rb; do not edit.
  #{runs.each_slice(3).map { |slice| slice.join(", ") + "," }.join("\n")}
CPP
puts "#{runs.size} runs written to #{path}"
