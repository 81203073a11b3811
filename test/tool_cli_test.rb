require "minitest/autorun"
require "digest"
require_relative "support/tool_helper"

# The tool's behaviour as a command: batches, explanations, errors.
class ToolCliTest < Minitest::Test
  include ToolHelper

  GOOD = %w[materials/layered-1.rec materials/bump-3.rec materials/layered-v1-1.rec materials/toon-14.rec].freeze
  BAD = %w[broken/bump-bad-uvw-3.rec broken/layered-truncated-1.rec broken/empty-3.rec
           broken/malformed-text-2.txt].freeze

  def with_inputs(files)
    Dir.mktmpdir do |dir|
      inputs = File.join(dir, "in")
      FileUtils.mkdir_p(inputs)
      files.each { |file| FileUtils.cp(sample(file), inputs) }
      yield inputs, File.join(dir, "out")
    end
  end

  # File path under folder => SHA-256 of its content.
  def checksums(folder)
    Dir[File.join(folder, "**", "*")].select { |f| File.file?(f) }.sort
                                      .to_h { |f| [f.delete_prefix(folder), Digest::SHA256.file(f).hexdigest] }
  end

  def test_mixed_batch_converts_the_good_inputs_and_reports_the_bad_ones
    with_inputs(GOOD + BAD) do |inputs, outputs|
      before = checksums(inputs)
      out, err, status = run_tool("material", "auto", inputs, "-o", outputs)
      assert_equal 1, status
      assert_empty out
      assert_includes err, "4 converted, 4 failed"
      assert_includes err, "bump-bad-uvw-3.rec: MaterialBump @0x9: nested texture failed / " \
                           "BitmapTexture @0x11: unknown UVW type 2"
      assert_includes err, "empty-3.rec: the input is empty"
      assert_includes err, "malformed-text-2.txt: malformed text at character 25: oops]"

      assert_equal before, checksums(inputs), "inputs are never modified"
      assert_equal GOOD.map { |f| File.basename(f, ".rec") + ".xml" }.sort, Dir.children(outputs).sort
      GOOD.each do |file|
        assert_equal run_tool("material", "auto", sample(file)).first,
                     File.binread(File.join(outputs, File.basename(file, ".rec") + ".xml"))
      end
    end
  end

  # Each scene reads from a fresh state: a kind-1 scene after a kind-6 one
  # has no library, and every folder equals the one of a run on its own.
  def test_scene_batch_writes_a_folder_per_good_scene_and_nothing_for_a_bad_one
    scenes = %w[kind6-current kind1-options kind4-sky kind2-library].map { |name| "scenes/#{name}.rec" }
    with_inputs(scenes + %w[broken/scene-kind2-bad-material.rec broken/scene-kind7.rec]) do |inputs, outputs|
      FileUtils.mv(File.join(inputs, "kind6-current.rec"), File.join(inputs, "a-kind6-current.rec"))
      _, err, status = run_tool("scene", inputs, "-o", outputs)
      assert_equal 1, status
      assert_includes err, "4 converted, 2 failed"
      assert_includes err, "scene-kind2-bad-material.rec: SkpModule @0x671: material library failed / " \
                           "SceneMaterials @0x9dc: nested material failed / MaterialBump @0x9e9"
      assert_equal %w[a-kind6-current kind1-options kind2-library kind4-sky], Dir.children(outputs).sort
      assert_empty Dir.children(File.join(outputs, "kind1-options", "materials"))
      %w[kind1-options kind4-sky].each do |name|
        alone = File.join(outputs, "alone-#{name}")
        run_tool("scene", sample("scenes", "#{name}.rec"), "-o", alone)
        assert_equal checksums(alone), checksums(File.join(outputs, name)), name
      end
    end
  end

  def test_explain_gives_the_failure_chain_with_offsets
    out, _, status = run_tool("explain", "material", "auto", sample("broken", "two-sided-deep-bad-uvw-5.rec"))
    assert_equal 1, status
    assert out.start_with?(<<~CHAIN), out
      does not convert:
      Material2Sided @0x5: nested material failed
      MaterialLayeredBRDF @0x11: nested BRDF failed
      Diffuse_BRDF @0x3a: nested texture failed
      BitmapTexture @0x42: unknown UVW type 2
    CHAIN
    assert_includes out, "BitmapTexture @0x3e v1  FAILED @0x42: unknown UVW type 2"

    out, = run_tool("explain", "material", "1", sample("broken", "layered-truncated-1.rec"))
    assert_includes out, "Diffuse_BRDF @0x32: base record failed\nBase_BRDF @0x32: version 0 not accepted (reads 1..4)"
    assert_includes out, "the record is 40 bytes long (it ends @0x28) but the reads went on to @0x37"

    out, = run_tool("explain", "scene", sample("broken", "scene-kind7.rec"))
    assert_includes out, "SkpModule @0x0: version 7 not accepted (reads scene kinds 1..6)"
  end

  def test_usage_errors_and_unreadable_inputs
    omni = sample("lights", "omni-2.rec")
    [[%w[light 1], "unknown light type 1"], [%w[material 15], "unknown material type 15"],
     [%w[light x], "TYPE must be a number or \"auto\""], [%w[explain sound 1], "unknown record kind 'sound'"],
     [["explain", "--html", "light", "2", omni], "--html makes the page of one record"],
     [%w[explain light 2 -o page.html], "-o is for the page of --html"]
    ].each do |args, message|
      _, err, status = run_tool(*args, omni)
      assert_equal 2, status, args.inspect
      assert_includes err, message
    end
    _, err, status = run_tool("light", "2", omni, sample("lights", "spot-4.rec"))
    assert_equal [2, true], [status, err.include?("several inputs need an output folder")]
    Dir.mktmpdir do |dir|
      unreadable = File.join(dir, "locked-2.rec")
      File.binwrite(unreadable, File.binread(omni))
      skip_on_windows "no permission that makes a file unreadable"
      File.chmod(0o000, unreadable)
      skip "running as a user who reads every file" if File.readable?(unreadable)
      _, err, status = run_tool("light", "auto", unreadable)
      assert_equal [1, true], [status, err.include?("cannot read the file: Permission denied")]

      locked = File.join(dir, "in", "locked")
      FileUtils.mkdir_p(locked)
      FileUtils.cp(omni, File.join(dir, "in"))
      File.chmod(0o000, locked)
      _, err, status = run_tool("light", "auto", File.join(dir, "in"), "-o", File.join(dir, "out"))
      File.chmod(0o755, locked)
      assert_equal [1, true], [status, err.include?("in/locked: cannot read the folder: Permission denied")]
      assert File.exist?(File.join(dir, "out", "omni-2.xml"))
    end
  end

  def test_help_for_every_command
    [[], %w[light], %w[material], %w[scene], %w[explain]].each do |command|
      out, _, status = run_tool(*command, "--help")
      assert_equal 0, status, command.inspect
      assert_includes out, "Usage:"
    end
    out, = run_tool("explain", "--help")
    assert_includes out, "BitmapTexture @0x11: unknown UVW type 2"
  end

  def test_standard_input_in_either_form_and_outputs_that_never_replace_inputs
    omni = sample("lights", "omni-2.rec")
    expected = run_tool("light", "2", omni).first
    assert_equal expected, run_tool("light", "2", stdin: File.binread(omni)).first
    assert_equal expected, run_tool("light", "2", stdin: File.binread(sample("text", "omni-2.txt"))).first

    with_inputs(%w[lights/omni-2.rec lights/spot-4.rec]) do |inputs, outputs|
      copy = File.join(inputs, "omni-2.rec")
      link = File.join(inputs, "link.xml")
      skip_on_windows "symbolic links only for administrators"
      File.symlink(copy, link)
      [%w[light 2], %w[explain --html light 2]].product([copy, link]).each do |command, output|
        _, err, status = run_tool(*command, copy, "-o", output)
        assert_equal [1, true], [status, err.include?("would replace an input")], command.inspect
      end
      assert_equal File.binread(omni), File.binread(copy)

      FileUtils.mkdir_p(outputs)
      FileUtils.cp(copy, File.join(outputs, "omni-2.txt"))
      _, err, status = run_tool("light", "auto", copy, File.join(outputs, "omni-2.txt"), "-o", outputs)
      assert_equal 1, status
      assert_includes err, "is already the output of"
      assert_equal %w[omni-2.txt omni-2.xml], Dir.children(outputs).sort
    end
  end
end
