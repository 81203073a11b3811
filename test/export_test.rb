require "stringio"
require_relative "support/test_helper"
require_relative "support/tool_helper"
require "noxbin2xml/export"

# Exporting a model's records in the host, then converting them with the tool.
class ExportTest < HostTest
  include ToolHelper

  # The form the host keeps a record in: the whole block image.
  def host_array(path)
    bytes = byte_array(path)
    bytes + [0] * (-bytes.size % 4096)
  end

  def kiln_material(name, sample_path, kiln_name: name, type: type_of(sample_path))
    FakeHost.model.materials.add(name).tap do |material|
      material.set_attribute(PLUGIN_DICTIONARY, "kiln_material_name", kiln_name)
      material.set_attribute(PLUGIN_DICTIONARY, "kiln_material_type", type) if type
      material.set_attribute(PLUGIN_DICTIONARY, "kiln_material", host_array(sample_path)) if sample_path
    end
  end

  def test_exported_files_carry_kind_and_type_and_convert_like_the_module
    model = FakeHost.model
    model.set_attribute(PLUGIN_DICTIONARY, "serial_data", host_array(sample("scenes", "kind4-sky.rec")))
    kiln_material("Oak Floor", sample("materials", "layered-1.rec"))
    kiln_material("Toon", sample("materials", "toon-14.rec"), kiln_name: "Toon: outline/ink")
    kiln_material("toon 2", sample("materials", "toon-14.rec"), kiln_name: "TOON: OUTLINE/INK")
    model.materials.add("Plain SketchUp material")
    kiln_material("Half", sample("materials", "bump-3.rec"), type: nil)

    log = StringIO.new
    Dir.mktmpdir do |dir|
      written = Noxbin2xml::Export.export_model(dir, model, log: log)
      names = written.map { |path| path.delete_prefix("#{dir}/") }
      assert_equal ["scene-kind4.rec", "materials/Oak Floor-1.rec", "materials/Toon_ outline_ink-14.rec",
                    "materials/TOON_ OUTLINE_INK_2-14.rec"], names
      assert_includes log.string, "Skipped Half: its Kiln material record or type is missing."
      assert_equal host_array(sample("scenes", "kind4-sky.rec")), File.binread(written[0]).bytes

      out_dir = File.join(dir, "out")
      _, err, status = run_tool("material", "auto", File.join(dir, "materials"), "-o", out_dir)
      assert_equal 0, status, err
      assert_equal Noxbin2xml.convert_material(host_array(sample("materials", "layered-1.rec")), 1).b,
                   File.binread(File.join(out_dir, "Oak Floor-1.xml"))
      _, err, status = run_tool("scene", written[0], "-o", File.join(out_dir, "scene"))
      assert_equal 0, status, err
    end
  end

  def test_a_model_without_records_exports_nothing
    log = StringIO.new
    Dir.mktmpdir do |dir|
      assert_empty Noxbin2xml::Export.export_model(dir, FakeHost.model, log: log)
      assert_equal [], Dir.children(dir)
    end
    assert_includes log.string, "The model holds no scene record."
    assert_raises(ArgumentError) { Noxbin2xml::Export.export_model("unused", nil) }
  end

  def test_records_keep_the_low_byte_of_each_value_and_refuse_other_values
    assert_equal "\x00\xFF\x01".b, Noxbin2xml::Export.record_bytes([256, -1, 257])
    [nil, [], "0001", [0, 1.5], [0, nil]].each do |value|
      assert_nil Noxbin2xml::Export.record_bytes(value), value.inspect
    end
  end
end
