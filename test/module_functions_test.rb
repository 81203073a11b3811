require_relative "support/test_helper"

class ModuleFunctionsTest < HostTest
  SCENE_KIND_7 = [0, 0, 7, 0].freeze
  TAGGED_KIND_1 = [1, 0, 1, 0].freeze

  def test_old_deserialize_answers_nil_for_nil_and_false
    assert_nil Noxbin2xml.old_deserialize(nil)
    assert_nil Noxbin2xml.old_deserialize(false)
  end

  def test_missing_record_gives_false_without_creating_a_dictionary
    bare = Sketchup::Entity.new
    assert_equal false, Noxbin2xml.old_deserialize(bare)
    assert_empty bare.attribute_dictionaries

    other_entry = Sketchup::Entity.new
    other_entry.set_attribute(PLUGIN_DICTIONARY, "other", [0, 0, 1, 0])
    assert_equal false, Noxbin2xml.old_deserialize(other_entry)

    assert_equal false, Noxbin2xml.old_deserialize(Object.new)
    assert_equal false, Noxbin2xml.old_deserialize(42)
  end

  def test_old_deserialize_asks_the_plugin_dictionary_for_serial_data
    requests = []
    dictionary = Object.new
    dictionary.define_singleton_method(:[]) { |key| requests << key.dup; [0, 0, 7, 0] }
    entity = Object.new
    entity.define_singleton_method(:attribute_dictionary) { |*args| requests << args.map(&:dup); dictionary }
    2.times { Noxbin2xml.old_deserialize(entity) }
    GC.start
    Noxbin2xml.old_deserialize(entity)
    assert_equal [[PLUGIN_DICTIONARY, false], "serial_data"] * 3, requests
  end

  def test_record_must_be_a_non_empty_array_of_integers
    ["0001", [], {0 => 1}, 7, [nil, 0, 1, 0], [0, "0", 1, 0], [0, 0, 2**70, 0]].each do |record|
      assert_equal false, Noxbin2xml.old_deserialize(entity_with_record(record)), record.inspect
    end
  end

  def test_unreadable_scene_kind_words_give_false
    [SCENE_KIND_7, TAGGED_KIND_1, [0, 0, 0, 0], [0, 0, 7 + 256, 256]].each do |record|
      assert_equal false, Noxbin2xml.old_deserialize(entity_with_record(record)), record.inspect
    end
  end

  def test_host_exceptions_become_false_and_leave_the_error_state_alone
    raising_entity = Object.new
    def raising_entity.attribute_dictionary(*)
      raise("no dictionaries")
    end
    raising_dictionary = Object.new
    def raising_dictionary.[](*)
      raise("no entries")
    end
    entity = Object.new
    entity.define_singleton_method(:attribute_dictionary) { |*| raising_dictionary }
    raising_element = Object.new
    def raising_element.to_int
      raise("not a number")
    end

    begin
      raise "outer"
    rescue RuntimeError => outer
      [raising_entity, entity, entity_with_record([0, raising_element, 1, 0])].each do |subject|
        assert_equal false, Noxbin2xml.old_deserialize(subject)
        assert_same outer, $!
      end
    end
    assert_nil $!
  end

  def test_serialize_to_xml_ignores_its_argument_and_answers_utf8
    documents = [nil, 5, Object.new].map { |anything| Noxbin2xml.serialize_to_xml(anything) }
    assert_equal 1, documents.uniq.size
    assert_equal Encoding::UTF_8, documents.first.encoding
    assert_match(%r{\A\s*<Assets>.*</Assets>\s*\z}m, documents.first)
  end

  def test_failed_scene_reads_leave_default_options
    Noxbin2xml.old_deserialize(entity_with_record(SCENE_KIND_7))
    after_bad_kind = Noxbin2xml.serialize_to_xml(nil)
    Noxbin2xml.old_deserialize(entity_with_record(TAGGED_KIND_1))
    assert_equal after_bad_kind, Noxbin2xml.serialize_to_xml(nil)
  end

  def test_conversions_answer_nil_for_bad_records
    ["bytes", nil, 12, [], [nil], [1, :two]].each do |bytes|
      assert_nil Noxbin2xml.convert_material(bytes, 1), bytes.inspect
      assert_nil Noxbin2xml.convert_light(bytes, 2), bytes.inspect
    end
  end

  def test_conversions_answer_nil_for_unknown_type_identifiers
    record = [0, 0, 1, 0] + [0] * 60
    [15, -1, 2**40, "1", nil].each { |type| assert_nil Noxbin2xml.convert_material(record, type), type.inspect }
    [1, 8, -1, 2**40, "2", nil].each { |type| assert_nil Noxbin2xml.convert_light(record, type), type.inspect }
  end

  def test_conversions_do_not_touch_the_host
    FakeHost.model = nil
    Noxbin2xml.convert_light([0, 0, 1, 0], 2)
    Noxbin2xml.convert_material([0, 0, 1, 0], 1)
    assert_empty FakeHost.plugin_calls
    assert_empty FakeHost.messages
  end

  # An object whose one method runs the block.
  def answering(method, &block)
    Object.new.tap { |object| object.define_singleton_method(method, &block) }
  end

  def test_last_failure_says_why_the_last_call_of_the_thread_answered_nil_or_false
    no_record = %(no scene record: the entity has no "serial_data" in its attribute dictionary "#{PLUGIN_DICTIONARY}")
    {
      -> { Noxbin2xml.old_deserialize(false) } => "the entity is false",
      -> { Noxbin2xml.old_deserialize(Sketchup::Entity.new) } => no_record,
      -> { Noxbin2xml.old_deserialize(answering(:attribute_dictionary) { |*| raise "no dictionaries" }) } =>
        "#{no_record}\ncaught RuntimeError: no dictionaries",
      -> { Noxbin2xml.convert_material("bytes", 1) } => "the record is not an Array of byte values (String)",
      -> { Noxbin2xml.convert_light([0, nil], 2) } =>
        /\Arecord\[1\] does not convert to a byte \(NilClass\)\ncaught TypeError: .+\z/,
      -> { Noxbin2xml.convert_light([0, 0, 1, 0], "2") } =>
        /\Athe type identifier does not convert to an Integer \(String\)\ncaught TypeError: .+\z/,
      -> { Noxbin2xml.convert_material([0, 0, 1, 0], 15) } => "unknown material type 15"
    }.each do |call, why|
      Noxbin2xml.serialize_to_xml(nil)
      assert_nil Noxbin2xml.last_failure
      refute call.call
      2.times { assert_operator why, :===, Noxbin2xml.last_failure }
      assert_nil Thread.new { Noxbin2xml.last_failure }.value
    end
  end

  # A module call made from a host callback of another has its own reason:
  # the outer call reports why it failed, not why the inner one did.
  def test_last_failure_of_a_call_is_its_own_after_a_nested_call_fails
    inner = nil
    nested = answering(:to_int) do
      inner = [Noxbin2xml.convert_material([0, 0, 1, 0], 99), Noxbin2xml.last_failure]
      "no byte"
    end
    refute Noxbin2xml.convert_light([0, nested], 2)
    assert_equal [nil, "unknown material type 99"], inner
    assert_match(/\Arecord\[1\] does not convert to a byte \(Object\)\ncaught TypeError: /, Noxbin2xml.last_failure)
  end

  # For a broken sample, the failure chain explain prints (kept beside the
  # tool's other sample outputs).
  def test_last_failure_of_broken_samples_is_their_failure_chain
    Dir[File.join(__dir__, "../samples/broken/*.rec")].each do |path|
      name = File.basename(path, ".rec")
      next if name.start_with?("empty")

      bytes = File.binread(path).bytes
      refute case name
             when /\Ascene/ then Noxbin2xml.old_deserialize(entity_with_record(bytes))
             when /\Aomni/ then Noxbin2xml.convert_light(bytes, 2)
             else Noxbin2xml.convert_material(bytes, Integer(name[/\d+\z/]))
             end
      explained = File.readlines(File.join(__dir__, "sample-outputs/broken/#{name}.txt"))[0...-1].join.chomp
      assert_equal explained, Noxbin2xml.last_failure, name
    end
  end

  # A user or the program stopping inside a host callback (Interrupt,
  # exit, throw, Thread#kill) ends the call and goes on; the module works on.
  def test_stops_in_host_callbacks_go_on
    assert_raises(Interrupt) { Noxbin2xml.convert_material([0, answering(:to_int) { raise Interrupt }], 1) }
    exiting = answering(:attribute_dictionary) { |*| exit 3 }
    assert_equal 3, assert_raises(SystemExit) { Noxbin2xml.old_deserialize(exiting) }.status
    throwing = answering(:[]) { |*| throw :stop_reading, :thrown }
    holder = answering(:attribute_dictionary) { |*| throwing }
    assert_equal :thrown, catch(:stop_reading) { Noxbin2xml.old_deserialize(holder) }

    inside = Queue.new
    sleeper = answering(:to_int) { inside << true && sleep }
    thread = Thread.new { Noxbin2xml.convert_light([0, sleeper], 2) || :returned }
    inside.pop
    assert_nil thread.kill.value

    assert_nil Noxbin2xml.last_failure
    assert_equal false, Noxbin2xml.old_deserialize(entity_with_record(SCENE_KIND_7))
  end
end
