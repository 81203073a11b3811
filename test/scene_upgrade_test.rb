require "fileutils"
require "tmpdir"
require_relative "support/test_helper"
require_relative "support/records"

# The upgrade old_deserialize offers after an old scene record. Each test
# runs in its own temporary directory, where the backup is written.
class SceneUpgradeTest < HostTest
  BACKUP = "Unnamed_NoxSR1_Upgrade_Backup.skp".freeze
  PROCEED = "We have made some changes to the way we handle materials in Kiln for SketchUp. An upgrade will be " \
            "required to convert your older scenes to work with the new setup. Would you like to proceed?".freeze
  NO_BACKUP = "We were unable to back up this file automatically - you should do so before continuing. " \
              "Would you like to proceed with the upgrade anyway?".freeze
  BACKED_UP = "We have backed up this file to '#{BACKUP}' in case you are unhappy with the file upgrade changes".freeze

  BRICK = Records.layered("Brick", Records.diffuse([1.0, 0.5, 0.0]))

  def setup
    super
    @home = Dir.pwd
    @dir = Dir.mktmpdir("upgrade-été")  # a folder beyond ASCII, as user folders often are
    Dir.chdir(@dir)
  end

  def teardown
    Dir.chdir(@home)
    FileUtils.remove_entry(@dir)
  end

  def model
    FakeHost.model
  end

  # Reads a kind-2 scene holding the materials, answering the message boxes.
  def upgrade(*materials, answers: [IDYES, IDYES], kind: 2)
    FakeHost.answers.concat(answers)
    assert_equal true, Noxbin2xml.old_deserialize(entity_with_record(Records.scene(kind, *materials)))
  end

  def named(name)
    model.materials.find { |material| material.name == name }
  end

  def entity_naming(material_name)
    Sketchup::Entity.new.tap { |entity| entity.set_attribute(PLUGIN_DICTIONARY, "kiln_material", material_name) }
  end

  def kiln_entries(skp_material)
    dictionary = skp_material.attribute_dictionary(PLUGIN_DICTIONARY)
    %w[kiln_material_name kiln_material_type kiln_material].map { |key| dictionary[key] }
  end

  def save_model_file(bytes)
    model.path = File.join(@dir, "scene.skp")
    File.binwrite(model.path, bytes)
  end

  def test_bundled_scenes_of_kinds_1_to_5_offer_the_upgrade_and_kind_6_never
    scenes = Dir[File.expand_path("../samples/scenes/kind*.rec", __dir__)].sort
    assert_equal 6, scenes.size
    scenes.each do |file|
      FakeHost.reset!
      FakeHost.answers << IDNO
      assert_equal true, Noxbin2xml.old_deserialize(entity_with_record(File.binread(file).bytes)), file
      expected = File.basename(file).start_with?("kind6") ? [] : [[PROCEED, MB_YESNO]]
      assert_equal expected, FakeHost.messages, file
      assert_empty model.operations
    end
  end

  def test_no_to_the_first_question_changes_nothing
    save_model_file("model")
    entity = entity_naming("Brick")
    model.entities = [entity]
    upgrade(BRICK, answers: [IDNO])
    assert_equal [[PROCEED, MB_YESNO]], FakeHost.messages
    assert_equal ["scene.skp"], Dir.children(@dir)
    assert_empty model.operations
    assert_equal 0, model.materials.length
    assert_equal "Brick", entity.get_attribute(PLUGIN_DICTIONARY, "kiln_material")
    assert_empty FakeHost.plugin_calls
  end

  def test_saved_model_is_copied_byte_for_byte_before_the_operation
    content = (Array(0..255) * 40).pack("C*") + "tail"  # several copy chunks and a partial one
    save_model_file(content)
    File.binwrite(BACKUP, "an older backup, longer than nothing at all" * 200)
    copied_at_start = nil
    model.define_singleton_method(:start_operation) do |*args|
      copied_at_start = File.binread(BACKUP)
      super(*args)
    end
    upgrade(BRICK, answers: [IDYES])
    assert_equal content.b, copied_at_start
    assert_equal content.b, File.binread(BACKUP)
    assert_equal [[PROCEED, MB_YESNO], [BACKED_UP, MB_OK]], FakeHost.messages
    assert_equal [[:start, "Nox Scene Upgrade"], [:commit]], model.operations
  end

  def test_unsaved_model_asks_whether_to_go_on_without_a_backup
    upgrade(BRICK, answers: [IDYES, IDNO])
    assert_equal [[PROCEED, MB_YESNO], [NO_BACKUP, MB_YESNO]], FakeHost.messages
    assert_empty Dir.children(@dir)
    assert_empty model.operations

    FakeHost.reset!
    upgrade(BRICK, answers: [IDYES, IDYES])
    assert_equal [[:start, "Nox Scene Upgrade"], [:commit]], model.operations
    assert_empty Dir.children(@dir)
  end

  def test_failed_start_warns_and_changes_nothing
    model.start_result = nil
    entity = entity_naming("Brick")
    model.entities = [entity]
    _, warnings = capture_io { upgrade(BRICK) }
    assert_match(/Failed to start operation for Nox Scene Upgrade/, warnings)
    assert_equal [[:start, "Nox Scene Upgrade"]], model.operations
    assert_equal 0, model.materials.length
    assert_equal "Brick", entity.get_attribute(PLUGIN_DICTIONARY, "kiln_material")
  end

  def test_failed_commit_aborts_the_operation
    model.commit_result = false
    begin
      raise "outer"
    rescue RuntimeError => outer
      upgrade(BRICK)
      assert_same outer, $!
    end
    assert_equal [[:start, "Nox Scene Upgrade"], [:commit], [:abort]], model.operations
  end

  def test_host_methods_that_raise_skip_their_step_and_escape_nowhere
    FakeHost.on(:find_skp_material) { |_name| raise "plug-in trouble" }
    FakeHost.on(:evaluate_material) { |_material| raise "plug-in trouble" }
    locked, brick = entity_naming("Brick"), entity_naming("Brick")
    locked.define_singleton_method(:material=) { |_material| raise "locked" }
    model.entities = [locked, brick]
    upgrade(BRICK, Records.linked("Wall", "Wall", Records.layered("WallLook", Records.diffuse([0.2] * 3))))
    assert_nil $!
    assert_equal ["Brick"], model.materials.map(&:name)
    assert_same named("Brick"), brick.material
    assert_empty locked.attribute_dictionary(PLUGIN_DICTIONARY).keys
    assert_equal [[:start, "Nox Scene Upgrade"], [:commit]], model.operations

    # A raising commit aborts; the abort's own exception is dropped too.
    FakeHost.reset!
    model.define_singleton_method(:commit_operation) { raise "host trouble" }
    model.define_singleton_method(:abort_operation) { operations << [:abort] && raise("abort trouble") }
    upgrade(BRICK)
    assert_equal [[:start, "Nox Scene Upgrade"], [:abort]], model.operations
    assert_nil $!
  end

  # A stop (here a throw) inside the operation rolls it back and goes on.
  def test_a_stop_inside_the_operation_aborts_it
    FakeHost.on(:grab_all_entities) { throw :stop_upgrade }
    FakeHost.answers.concat([IDYES, IDYES])
    scene = entity_with_record(Records.scene(2, BRICK))
    assert_nil catch(:stop_upgrade) { Noxbin2xml.old_deserialize(scene) && :returned }
    assert_equal [[:start, "Nox Scene Upgrade"], [:abort]], model.operations
  end

  def test_entities_take_the_new_materials_and_lose_the_old_key
    brick, unknown, bare = entity_naming("Brick"), entity_naming("Marble"), Sketchup::Entity.new
    unknown.material = :kept
    model.entities = [brick, unknown, bare]
    upgrade(BRICK)
    assert_same named("Brick"), brick.material
    assert_equal :kept, unknown.material
    [brick, unknown].each { |entity| assert_empty entity.attribute_dictionary(PLUGIN_DICTIONARY).keys }
    assert_empty bare.attribute_dictionaries
  end

  def test_new_materials_carry_the_record_and_the_diffuse_look
    glass = Records.layered("Glass", Records.diffuse([0.0, 0.5, 1.0], [0.25, 0.25, 0.25]))
    upgrade(Records.layered("default_KILN_material", Records.diffuse([0.5] * 3)), glass)
    assert_equal ["Glass"], model.materials.map(&:name)
    skp_glass = named("Glass")
    name, type, bytes = kiln_entries(skp_glass)
    assert_equal ["Glass", 1], [name, type]
    assert_equal Noxbin2xml.convert_material(glass[1], 1), Noxbin2xml.convert_material(bytes, type)
    assert_equal [0, 128, 255], skp_glass.color.to_a.first(3)
    assert_in_delta 0.75, skp_glass.alpha
    evaluations = FakeHost.plugin_calls.select { |method, _| method == :evaluate_material }
    assert_equal [[:evaluate_material, [skp_glass]]], evaluations
  end

  def test_names_taken_in_the_model_ignoring_case_give_free_names
    model.materials.add("brick")
    model.materials.add("Other").display_name = "STONE7"
    stone_entity = entity_naming("Stone7")
    model.entities = [stone_entity]
    upgrade(BRICK, Records.layered("Brick1", Records.diffuse([0.1] * 3)),
            Records.layered("Stone7", Records.diffuse([0.2] * 3)), Records.layered("stone", Records.diffuse([0.3] * 3)))
    # A taken name loses its digits and counts up past names the library
    # or the model hold, ignoring case.
    assert_equal %w[brick Other Brick2 Brick1 stone Stone1], model.materials.map(&:name)
    name, type, bytes = kiln_entries(named("Brick2"))
    assert_equal ["Brick2", 1], [name, type]
    assert_includes Noxbin2xml.convert_material(bytes, type), 'url="/Brick2"'
    assert_same named("Stone1"), stone_entity.material
  end

  def test_linking_materials_take_the_look_of_their_sketchup_material
    wall = model.materials.add("Wall")
    wall.color = Sketchup::Color.new(255, 0, 0)
    wall.alpha = 0.5
    wall.texture = "wall.png"
    entity = entity_naming("Wall")
    model.entities = [entity]
    upgrade(Records.linked("Wall", "Wall", Records.layered("WallLook", Records.diffuse([0.2] * 3))))
    assert_equal ["Wall"], model.materials.map(&:name)
    assert_same wall, entity.material
    name, type, bytes = kiln_entries(wall)
    assert_equal ["Wall", 6], [name, type]
    document = Noxbin2xml.convert_material(bytes, type)
    assert_match(%r{name="color".*?<r>1</r>\s*<g>0</g>\s*<b>0</b>}m, document)
    assert_match(%r{name="transparency".*?<r>0.5</r>}m, document)
    assert_includes document, "wall.png"
  end

  def test_unconvertible_sketchup_material_warns_and_keeps_the_kiln_look
    model.materials.add("Wall")
    FakeHost.on(:convert_material) { |_material| nil }
    record = Records.linked("Wall", "Wall", Records.layered("WallLook", Records.diffuse([0.25] * 3)))
    _, warnings = capture_io { upgrade(record) }
    assert_match(/\[SkpMaterialEditor::SetBasicKilnMaterial\] - failed to convert sketchup material/, warnings)
    name, type, bytes = kiln_entries(named("Wall"))
    assert_equal Noxbin2xml.convert_material(record[1], 6), Noxbin2xml.convert_material(bytes, type)
    assert_equal "Wall", name
  end
end

# Under GC stress three upgrades cover every step: materials found, stored,
# converted and re-assigned, the rescue after a failed commit, and the
# roll-back before a stop.
if ENV["NOXBIN2XML_GC_STRESS"]
  def SceneUpgradeTest.runnable_methods
    %w[test_linking_materials_take_the_look_of_their_sketchup_material test_failed_commit_aborts_the_operation
       test_a_stop_inside_the_operation_aborts_it]
  end
end
