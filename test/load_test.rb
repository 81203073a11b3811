require "minitest/autorun"
require "Noxbin2xml"

class LoadTest < Minitest::Test
  def test_module_functions_are_installed
    assert_equal %i[convert_light convert_material old_deserialize serialize_to_xml],
                 Noxbin2xml.singleton_methods.sort
  end
end
