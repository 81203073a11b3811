require "json"
require_relative "support/test_helper"
require_relative "support/tool_helper"

# The tool gives, byte for byte, what the module functions give for the
# bundled sample records.
class ToolSamplesTest < HostTest
  include ToolHelper

  # Materials each scene's library holds.
  SCENE_MATERIALS = {
    "kind1-options" => 0, "kind2-library" => 4, "kind3-sun" => 2, "kind4-sky" => 3,
    "kind5-old-library" => 3, "kind6-current" => 15
  }.freeze

  def setup
    super
    FakeHost.model = nil  # no model: the scene upgrade after old scenes has nothing to work on
  end

  # path => what convert_KIND returns for the sample, from a Ruby process of
  # its own that has read no scene: a scene read leaves the default sun and
  # the library behind in the module, and the tool converts every input as
  # a freshly loaded module does.
  def fresh_module_documents(kind, paths)
    extension_dir = $LOAD_PATH.find { |dir| File.exist?(File.join(dir, "Noxbin2xml.so")) }
    script = <<~RUBY
      require "Noxbin2xml"
      kind, records = Marshal.load($stdin.binmode.read)
      documents = records.map { |bytes, type| Noxbin2xml.public_send("convert_\#{kind}", bytes, type) }
      $stdout.binmode.write(Marshal.dump(documents))
    RUBY
    records = Marshal.dump([kind, paths.map { |path| [byte_array(path), type_of(path)] }])
    out, status = Open3.capture2(RbConfig.ruby, "-I", extension_dir, "-e", script, stdin_data: records, binmode: true)
    assert status.success?
    paths.zip(Marshal.load(out).map(&:b)).to_h
  end

  def test_light_documents_equal_convert_light
    lights = samples_in("lights")
    assert_operator lights.size, :>=, 7
    fresh_module_documents("light", lights).each do |path, document|
      out, err, status = run_tool("light", "auto", path)
      assert_equal 0, status, err
      assert_equal document, out, path
    end
  end

  def test_material_documents_equal_convert_material
    materials = samples_in("materials")
    assert_equal (0..14).to_a, materials.map { |path| type_of(path) }.uniq.sort
    fresh_module_documents("material", materials).each do |path, document|
      out, err, status = run_tool("material", "auto", path)
      assert_equal 0, status, err
      assert_equal document, out, path
    end
  end

  def test_console_text_converts_like_the_raw_record
    { "omni-2" => %w[light lights], "layered-1" => %w[material materials] }.each do |name, (kind, folder)|
      text = sample("text", "#{name}.txt")
      from_text, err, status = run_tool(kind, "auto", text)
      assert_equal 0, status, err
      assert_equal run_tool(kind, "auto", sample(folder, "#{name}.rec")).first, from_text
      assert_equal Noxbin2xml.public_send("convert_#{kind}", JSON.parse(File.read(text)), type_of(text)).b, from_text
    end
  end

  def test_scene_documents_equal_old_deserialize_and_convert_material
    material_documents = fresh_module_documents("material", samples_in("materials")).invert
    Dir.mktmpdir do |dir|
      samples_in("scenes").each do |path|
        name = File.basename(path, ".rec")
        folder = File.join(dir, name)
        out, err, status = run_tool("scene", path, "-o", folder)
        assert_equal 0, status, err
        assert_match(/scene kind #{name[/\d/]} \(options/, out)

        assert_equal true, Noxbin2xml.old_deserialize(entity_with_record(byte_array(path))), name
        assert_equal Noxbin2xml.serialize_to_xml(nil).b, File.binread(File.join(folder, "options.xml")), name
        documents = Dir[File.join(folder, "materials", "*.xml")]
        assert_equal SCENE_MATERIALS.fetch(name), documents.size, name
        documents.each do |document|
          assert material_documents.key?(File.binread(document)), "#{document} is no sample material's document"
        end
      end
    end
  end
end
