require_relative "support/test_helper"
require_relative "support/records"

# Inputs built to hurt the host: huge arrays, and text bytes that are not UTF-8.
class HostileInputTest < HostTest
  def sample(path)
    File.binread(File.expand_path("../samples/#{path}", __dir__))
  end

  def test_ten_million_element_array_converts_like_the_record_alone
    omni = sample("lights/omni-2.rec").bytes
    expected = Noxbin2xml.convert_light(omni, 2)
    refute_nil expected
    padded = omni + Array.new(10_000_000 - omni.size, 0)
    assert_equal expected, Noxbin2xml.convert_light(padded, 2)

    # One element that is not a number, at the very end, fails the whole copy.
    padded[-1] = "0"
    assert_nil Noxbin2xml.convert_light(padded, 2)
  end

  def test_text_that_is_not_utf8_reaches_ruby_as_valid_utf8
    hostile = "\xC0\xAF\xED\xA0\x80\xFFzz".b # overlong, an encoded surrogate, a stray byte
    record = sample("materials/layered-1.rec").gsub("Oak Base".b, hostile)
    xml = Noxbin2xml.convert_material(record.bytes, 1)
    assert_equal Encoding::UTF_8, xml.encoding
    assert xml.valid_encoding?
    assert_includes xml, hostile.dup.force_encoding(Encoding::Windows_1252).encode(Encoding::UTF_8)
  end

  # Every BRDF's URL repeats the 500,000-character name: past 256 MB the
  # conversion stops and answers nil instead of allocating gigabytes.
  def test_a_document_past_256_mb_gives_nil
    skip "writes 256 MB, too slow under valgrind" if ENV["LD_PRELOAD"].to_s.include?("vgpreload")
    type, record = Records.layered("N" * 500_000, *[Records.diffuse([0.5, 0.5, 0.5])] * 300)
    assert_nil Noxbin2xml.convert_material(record, type)
    assert_equal "document would exceed 256 MB", Noxbin2xml.last_failure
  end
end
