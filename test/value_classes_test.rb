require_relative "support/test_helper"

class ValueClassesTest < HostTest
  Vector = KilnForSketchUp::Vector
  Color = KilnForSketchUp::Color
  Transform = KilnForSketchUp::Transform
  Material = KilnForSketchUp::Material

  def f32(value)
    [value].pack("e").unpack1("e")
  end

  def assert_argument_error(message, &block)
    assert_equal message, assert_raises(ArgumentError, &block).message
  end

  # Vector

  def test_vector_from_numbers_and_host_values
    assert_equal [1.0, 2.0, 3.0], Vector.new(1, 2, 3).to_a
    assert_equal [f32(0.1), -2.5, 0.0], Vector.new(0.1, -2.5, 0).to_a
    assert_equal [4.0, 5.0, 6.0], Vector.new(Geom::Vector3d.new(4, 5, 6)).to_a
    assert_equal [7.0, 8.0, 9.0], Vector.new(Geom::Point3d.new(7, 8, 9)).to_a
    assert_equal [1.0, 0.0, 2.0], Vector.new(Sketchup::Vertex.new(Geom::Point3d.new(1, 0, 2))).to_a
    assert_equal [1.0, 2.0, 3.0], Vector.new(Vector.new(1, 2, 3)).to_a
  end

  def test_vector_set_changes_in_place_and_dup_copies
    vector = Vector.new(1, 2, 3)
    copy = vector.dup
    assert_same vector, vector.set(4, 5, 6)
    assert_equal [4.0, 5.0, 6.0], vector.to_a
    assert_equal [1.0, 2.0, 3.0], copy.to_a
  end

  def test_vector_text
    vector = Vector.new(1, 0.5, -3)
    assert_equal "{ 1, 0.5, -3 }", vector.to_s
    assert_equal "v = { 1, 0.5, -3 }", "v = " + vector
  end

  def test_vector_errors
    assert_argument_error("invalid parameter count - KilnForSketchUp::Vector#set") { Vector.new(1, 2) }
    assert_argument_error("invalid parameter count - KilnForSketchUp::Vector#set") { Vector.new }
    assert_argument_error("invalid argument - KilnForSketchUp::Vector#set") { Vector.new([1, 2, 3]) }
    broken_vector = Geom::Vector3d.new
    def broken_vector.to_a
      nil
    end
    assert_argument_error("invalid Geom::Vector3d#[] result - KilnForSketchUp::Vector#set") { Vector.new(broken_vector) }
    short_point = Geom::Point3d.new
    def short_point.to_a
      [1, 2]
    end
    assert_argument_error("invalid Geom::Point3d#[] result - KilnForSketchUp::Vector#set") { Vector.new(short_point) }
    assert_argument_error("invalid Geom::Vertex#position result - KilnForSketchUp::Vector#set") do
      Vector.new(Sketchup::Vertex.new(nil))
    end
    assert_raises(TypeError) { Vector.new(1, "2", 3) }
  end

  # Color

  def test_color_from_integers_floats_and_colors
    assert_equal "{ 1, 0.501961, 0 }", Color.new(255, 128, 0).to_s
    assert_equal "{ 1, 0.5, 0 }", Color.new(1.0, 0.5, 0.0).to_s
    assert_equal "{ 1, 128, 0 }", Color.new(1.0, 128, 0).to_s
    assert_equal "{ 0, 0.2, 1 }", Color.new(Sketchup::Color.new(0, 51, 255)).to_s
    assert_equal "{ 1, 0.5, 0 }", Color.new(Color.new(1.0, 0.5, 0.0)).to_str
  end

  def test_color_with_zero_or_two_arguments_keeps_its_value
    assert_equal "{ 0, 0, 0 }", Color.new.to_s
    color = Color.new(1.0, 1.0, 1.0)
    assert_same color, color.set(0.5, 0.5)
    assert_equal "{ 1, 1, 1 }", color.to_s
  end

  def test_color_errors
    assert_argument_error("KilnForSketchUp::Color#initialize - invalid arguments: when passing 3 they must be " \
                          "fixnum / floats") { Color.new("1", 2, 3) }
    assert_argument_error("KilnForSketchUp::Color#initialize - invalid single argument: must be Sketchup::Color " \
                          "or KilnForSketchUp::Color") { Color.new([1, 2, 3]) }
    broken = Sketchup::Color.new
    def broken.to_a
      nil
    end
    assert_argument_error("KilnForSketchUp::Color#initialize - invalid to_a in 1 argc color init") { Color.new(broken) }
  end

  # Transform

  SAMPLE = [0.0, 1.0, 0.0, 0.0, -1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 10.0, 20.0, 30.0, 1.0].freeze

  def translation(x, y, z)
    Geom::Transformation::IDENTITY[0, 12] + [x, y, z, 1.0]
  end

  def test_transform_forms_share_the_host_array_layout
    assert_equal Geom::Transformation::IDENTITY, Transform.new.to_a
    assert_equal SAMPLE, Transform.new(SAMPLE).to_a
    assert_equal SAMPLE, Transform.new(Geom::Transformation.new(SAMPLE)).to_a
    assert_equal SAMPLE, Transform.new(Transform.new(SAMPLE)).to_a
    axes = [Vector.new(0, 1, 0), Vector.new(-1, 0, 0), Vector.new(0, 0, 2), Vector.new(10, 20, 30)]
    assert_equal SAMPLE, Transform.new(*axes).to_a
    host_axes = [Geom::Vector3d.new(0, 1, 0), Geom::Vector3d.new(-1, 0, 0), Geom::Vector3d.new(0, 0, 2),
                 Geom::Point3d.new(10, 20, 30)]
    assert_equal SAMPLE, Transform.new(*host_axes).to_a
  end

  def test_transform_divides_by_the_homogeneous_scale
    halved = Geom::Transformation::IDENTITY[0, 15] + [0.5]
    assert_equal [2.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0, 1.0],
                 Transform.new(halved).to_a
  end

  def test_transform_product_applies_the_right_operand_first
    turn = Transform.new(SAMPLE)
    move = Transform.new(translation(1, 2, 3))
    assert_equal SAMPLE[0, 12] + [11.0, 22.0, 33.0, 1.0], (move * turn).to_a
    # (1, 2, 3) turned: 1 * x axis + 2 * y axis + 3 * z axis + origin.
    assert_equal SAMPLE[0, 12] + [8.0, 21.0, 36.0, 1.0], (turn * move).to_a
    assert_equal (move * turn).to_a, (move * Geom::Transformation.new(SAMPLE)).to_a
    assert_equal Geom::Transformation::IDENTITY, Transform.new.to_a, "operands unchanged"
    assert_same move, move.send(:"*=", turn)
    assert_equal SAMPLE[0, 12] + [11.0, 22.0, 33.0, 1.0], move.to_a
  end

  def test_transform_text_has_one_line_per_stored_vector
    assert_equal "{ 0, 1, 0 }\n{ -1, 0, 0 }\n{ 0, 0, 2 }\n{ 10, 20, 30 }\n", Transform.new(SAMPLE).to_s
  end

  def test_transform_errors
    prefix = "KilnForSketchUp::Transform#initialize - "
    broken = Geom::Transformation.new
    def broken.to_a
      [1, 2]
    end
    assert_argument_error("#{prefix}Geom::Transformation#to_a failed") { Transform.new(broken) }
    assert_argument_error("#{prefix}invalid ruby array length - should be 16") { Transform.new([1.0] * 15) }
    assert_argument_error("#{prefix}1 arg version should be a Geom::Transformation / KilnForSketchUp::Transform " \
                          "/ an array with 16 doubles") { Transform.new("identity") }
    assert_argument_error("#{prefix}4 argument version should be 3 Sketchup::Vector3d / 1 Sketchup::Point3d or " \
                          "4 KilnForSketchUp::Vector") { Transform.new(Vector.new(1, 0, 0), 1, 2, 3) }
    assert_argument_error("#{prefix}invalid argument count") { Transform.new(1, 2) }
    assert_argument_error("#{prefix}1 arg version should be a Geom::Transformation / KilnForSketchUp::Transform " \
                          "/ an array with 16 doubles") { Transform.new * 2 }
  end

  # Material

  def test_material_defaults_and_text
    material = Material.new
    assert_equal "Name: \tColor: [ 0, 0, 0]\n\nAlpha: 1\tUse Alpha: 0\nTexture: ", material.to_s
    assert_equal [0, "", "", 1.0, false], [material.type, material.name, material.texture, material.alpha,
                                           material.use_alpha]
    assert_equal "{ 0, 0, 0 }", material.color.to_s
  end

  def test_material_setters_store_and_answer_self
    material = Material.new
    assert_same material, material.send(:type=, 3)
    assert_same material, material.send(:name=, "Brick")
    assert_same material, material.send(:texture=, "brick.png")
    assert_same material, material.send(:alpha=, 0.25)
    assert_same material, material.send(:use_alpha=, true)
    assert_same material, material.send(:color=, Color.new(255, 0, 0))
    assert_equal [3, "Brick", "brick.png", 0.25, true, "{ 1, 0, 0 }"],
                 [material.type, material.name, material.texture, material.alpha, material.use_alpha,
                  material.color.to_s]
    assert_equal "Name: Brick\tColor: [ 1, 0, 0]\n\nAlpha: 0.25\tUse Alpha: 1\nTexture: brick.png", material.to_s
  end

  def test_material_setters_refuse_other_values_without_change
    material = Material.new
    [[:type=, 3.0], [:type=, "3"], [:type=, 2**40], [:name=, 5], [:texture=, nil], [:alpha=, "0.5"],
     [:use_alpha=, 1], [:use_alpha=, nil], [:color=, Sketchup::Color.new(255, 0, 0)]].each do |setter, value|
      assert_nil material.send(setter, value), "#{setter} #{value.inspect}"
    end
    assert_equal Material.new.to_s, material.to_s
  end

  def test_material_text_is_utf8_and_legacy_bytes_are_read_as_windows_1252
    material = Material.new
    material.name = "Brique rouge \u00e9"
    material.texture = "\xE9t\xE9.png".b
    assert_equal ["Brique rouge \u00e9", Encoding::UTF_8], [material.name, material.name.encoding]
    assert_equal "\u00e9t\u00e9.png", material.texture
  end

  def test_material_equality
    a = Material.new.tap { |m| m.name = "Brick"; m.texture = "Brick.PNG" }
    b = a.dup.tap { |m| m.name = "BRICK"; m.texture = "brick.png" }
    assert a.is_equal?(b)
    refute a.not_equal?(b)
    b.alpha = 0.5
    refute a.is_equal?(b)
    assert a.not_equal?(b)
  end

  def test_material_comparison_errors
    error = assert_raises(RuntimeError) { Material.new.is_equal?(Color.new) }
    assert_equal "[KilnForSketchUp::Material#==] - argument 1 expected to be of type KilnForSketchUp::Material\n",
                 error.message
    error = assert_raises(RuntimeError) { Material.new.not_equal?(nil) }
    assert_equal "[KilnForSketchUp::Material#!=] - argument 1 expected to be of type KilnForSketchUp::Material\n",
                 error.message
  end
end
