require "minitest/autorun"
require "open3"
require "pathname"
require "rbconfig"
require "tmpdir"
require "Noxbin2xml"

# Loading the extension in a fresh interpreter: without the host, with the
# host arriving later, and with the plug-in's names already taken.
class LoadTest < Minitest::Test
  EXTENSION_DIR = $LOAD_PATH.find { |dir| File.exist?(File.join(dir, "Noxbin2xml.#{RbConfig::CONFIG["DLEXT"]}")) }
  FAKE_HOST = File.expand_path("support/fake_host.rb", __dir__)

  def run_ruby(script)
    output, errors, status = Open3.capture3(RbConfig.ruby, "-I", EXTENSION_DIR, "-e", script)
    assert status.success?, "#{errors}\n#{output}"
    output
  end

  def test_module_functions_and_version_are_installed
    assert_equal %i[convert_light convert_material last_failure old_deserialize serialize_to_xml],
                 Noxbin2xml.singleton_methods.sort
    arities = %i[old_deserialize serialize_to_xml convert_material convert_light last_failure].map do |name|
      Noxbin2xml.method(name).arity
    end
    assert_equal [1, 1, 2, 2, 0], arities
    gem_version = Gem::Specification.load(File.expand_path("../noxbin2xml.gemspec", __dir__)).version
    assert_equal gem_version.to_s, Noxbin2xml::VERSION
  end

  def test_plain_ruby_loads_quietly_and_finds_a_host_loaded_later
    output = run_ruby(<<~RUBY)
      require "Noxbin2xml"
      abort "host defined" if defined?(Sketchup) || defined?(Geom)
      p KilnForSketchUp.constants.sort
      entity = Object.new
      def entity.attribute_dictionary(*)
        { "serial_data" => [0, 0, 7, 0] }
      end
      p [Noxbin2xml.old_deserialize(entity), Noxbin2xml.serialize_to_xml(nil).class]
      p KilnForSketchUp::Vector.new(1, 2, 3).to_a
      load #{FAKE_HOST.dump}
      p KilnForSketchUp::Vector.new(Geom::Point3d.new(4, 5, 6)).to_a
      p KilnForSketchUp::Color.new(Sketchup::Color.new(255, 0, 0)).to_s
    RUBY
    assert_equal <<~TEXT, output
      [:Color, :Material, :Transform, :Vector]
      [false, String]
      [1.0, 2.0, 3.0]
      [4.0, 5.0, 6.0]
      "{ 1, 0, 0 }"
    TEXT
  end

  def test_taken_plugin_names_do_not_stop_loading
    output = run_ruby(<<~RUBY)
      module KilnForSketchUp; Vector = :taken; end
      require "Noxbin2xml"
      p [KilnForSketchUp::Vector, KilnForSketchUp::Color.new(1.0, 0.5, 0.0).to_s]
    RUBY
    assert_equal %([:taken, "{ 1, 0.5, 0 }"]\n), output

    output = run_ruby(<<~RUBY)
      class KilnForSketchUp; end
      require "Noxbin2xml"
      p [Noxbin2xml.convert_light([], 2), KilnForSketchUp::Vector.new(1, 2, 3).to_a]
    RUBY
    assert_equal "[nil, [1.0, 2.0, 3.0]]\n", output
  end

  # `gem install` builds from the gem's file list alone: every source,
  # header and linker script the extension build uses must be on it.
  def test_gem_carries_everything_the_extension_build_uses
    root = File.expand_path("..", __dir__)
    Dir.chdir(root) do
      packed = Gem::Specification.load("noxbin2xml.gemspec").files
      built = %w[.o .so .log Makefile]
      needed = Dir["ext/noxbin2xml/**/*"].select { |f| File.file?(f) && !f.end_with?(*built) }
      assert_empty needed - packed
    end
  end

  # Windows and macOS file systems ignore letter case by default, and so
  # does require there: with lib/noxbin2xml.rb beside lib/Noxbin2xml.so,
  # `require "noxbin2xml"` loads the Ruby file twice and never the extension.
  # The installed layout is the packed files plus the extension where its
  # makefile installs it; names compare as require sees them, without .rb or
  # the extension's suffix.
  def test_installed_layout_has_no_two_names_equal_but_for_case
    root = File.expand_path("..", __dir__)
    makefile = Dir.mktmpdir do |dir|
      _, status = Open3.capture2e(RbConfig.ruby, File.join(root, "ext/noxbin2xml/extconf.rb"), chdir: dir)
      assert status.success?
      File.read(File.join(dir, "Makefile"))
    end
    extension = "lib#{makefile[/^target_prefix = (.*)$/, 1]}/#{makefile[/^TARGET = (.*)$/, 1]}.so"
    files = Dir.chdir(root) { Gem::Specification.load("noxbin2xml.gemspec").files } << extension
    names = files.flat_map { |file| Pathname(file).descend.map { |path| path.to_s.sub(/\.(rb|so)\z/, "") } }.uniq
    assert_empty names.group_by { |name| name.downcase(:fold) }.values.reject(&:one?)
  end

  # Rubies built from source often carry no optimisation in their compiler
  # flags, others their own: the extension's makefile ends at -O2 whatever
  # they hold (-O0 when built for debugging).
  def test_extension_optimisation_does_not_depend_on_the_rubys_flags
    extconf = File.expand_path("../ext/noxbin2xml/extconf.rb", __dir__)
    with_flags = 'RbConfig::CONFIG["CXXFLAGS"] = RbConfig::MAKEFILE_CONFIG["CXXFLAGS"] = ARGV.shift; load ARGV.shift'
    ["", "-O0 -g", "-O3"].product([[], ["--enable-debug"]]).each do |ruby_flags, options|
      flags = Dir.mktmpdir do |dir|
        _, status = Open3.capture2e(RbConfig.ruby, "-e", with_flags, "--", ruby_flags, extconf, *options, chdir: dir)
        assert status.success?
        File.read(File.join(dir, "Makefile"))[/^CXXFLAGS = (.*)$/, 1]
      end
      level = flags.scan(%r{(?<=\s)[-/]O\w*}).last.to_s[1..-1]  # the last one counts
      assert_equal options.empty? ? "O2" : "O0", level, [ruby_flags, options].inspect
    end
  end
end
