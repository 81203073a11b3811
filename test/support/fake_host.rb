# A stand-in for the modelling application's Ruby API and for the plug-in's
# own module, covering what the extension calls. It loads before or after the
# extension. Tests script it through FakeHost and call FakeHost.reset!
# before each test; classes are defined once, so the extension's cached
# references to them stay valid.

# Message box types and answers, top-level as the host defines them.
MB_OK = 0 unless defined?(MB_OK)
MB_YESNO = 4 unless defined?(MB_YESNO)
IDOK = 1 unless defined?(IDOK)
IDYES = 6 unless defined?(IDYES)
IDNO = 7 unless defined?(IDNO)

module FakeHost
  PLUGIN_METHODS = %i[grab_all_entities find_skp_material convert_material evaluate_material
                      hack_delete_skp_material].freeze

  class << self
    # What Sketchup.active_model answers; nil stands for "no model".
    attr_accessor :model
    # [text, type] of every message box shown, in order.
    attr_reader :messages
    # Answers the next message boxes give, consumed in order; once empty a
    # box answers IDOK (or IDNO for a yes/no question).
    attr_reader :answers
    # [method, arguments] of every plug-in method called, in order.
    attr_reader :plugin_calls

    def reset!
      @model = Sketchup::Model.new
      @messages = []
      @answers = []
      @plugin_calls = []
      @handlers = {}
    end

    # Replaces the default behaviour of a plug-in method.
    def on(method, &handler)
      raise ArgumentError, "unknown plug-in method #{method}" unless PLUGIN_METHODS.include?(method)

      @handlers[method] = handler
    end

    def call_plugin(method, args)
      @plugin_calls << [method, args]
      handler = @handlers[method]
      handler ? handler.call(*args) : send(:"default_#{method}", *args)
    end

    def message_box(text, type)
      @messages << [text, type]
      return @answers.shift unless @answers.empty?

      type == MB_YESNO ? IDNO : IDOK
    end

    private

    def default_grab_all_entities
      model.entities
    end
    def default_find_skp_material(name)
      model.materials[name]
    end
    def default_evaluate_material(*)
      nil
    end
    def default_hack_delete_skp_material(material)
      model.materials.remove(material)
    end

    # The plug-in's description of a SketchUp material.
    def default_convert_material(skp_material)
      description = KilnForSketchUp::Material.new
      description.name = skp_material.display_name
      description.color = KilnForSketchUp::Color.new(skp_material.color) if skp_material.color
      description.alpha = skp_material.alpha
      description.use_alpha = skp_material.alpha < 1.0
      description.texture = skp_material.texture.filename if skp_material.texture
      description
    end
  end
end

module Sketchup
  def self.active_model
    FakeHost.model
  end

  class AttributeDictionary
    attr_reader :name

    def initialize(name)
      @name = name
      @entries = {}
    end

    def [](key)
      @entries[key.to_s]
    end
    def []=(key, value)
      @entries[key.to_s] = value
    end

    def delete_key(key)
      @entries.delete(key.to_s)
    end
    def keys
      @entries.keys
    end
    def length
      @entries.length
    end
  end

  class Entity
    attr_accessor :material

    def attribute_dictionary(name, create = false)
      dictionaries[name] = AttributeDictionary.new(name) if create && !dictionaries.key?(name)
      dictionaries[name]
    end

    def attribute_dictionaries
      dictionaries.values
    end

    def get_attribute(dictionary, key, default = nil)
      value = attribute_dictionary(dictionary)&.[](key)
      value.nil? ? default : value
    end

    def set_attribute(dictionary, key, value)
      attribute_dictionary(dictionary, true)[key] = value
    end

    private

    def dictionaries
      (@dictionaries ||= {})
    end
  end

  class Texture
    attr_reader :filename

    def initialize(filename)
      @filename = filename
    end
  end

  class Material < Entity
    attr_accessor :name, :color, :alpha
    attr_writer :display_name
    attr_reader :texture

    def initialize(name)
      super()
      @name = name
      @color = Sketchup::Color.new(255, 255, 255)
      @alpha = 1.0
    end

    def display_name
      @display_name || @name
    end

    def texture=(filename)
      @texture = filename && Texture.new(filename)
    end
  end

  class Materials
    include Enumerable

    def initialize
      @list = []
    end

    def length
      @list.length
    end
    alias count length
    alias size length

    def [](index_or_name)
      return @list[index_or_name] if index_or_name.is_a?(Integer)

      @list.find { |material| material.name == index_or_name.to_s }
    end

    def add(name)
      Material.new(name).tap { |material| @list << material }
    end

    def remove(material)
      !@list.delete(material).nil?
    end
    def each(&block)
      @list.each(&block)
    end
  end

  class Model < Entity
    # The model file ("" while unsaved) and the entities grab_all_entities finds.
    attr_accessor :path, :entities
    # What start_operation and commit_operation answer.
    attr_accessor :start_result, :commit_result
    attr_reader :materials, :operations

    def initialize
      super
      @path = ""
      @entities = []
      @materials = Materials.new
      @operations = []
      @start_result = true
      @commit_result = true
    end

    def start_operation(name, *)
      @operations << [:start, name]
      @start_result
    end

    def commit_operation
      @operations << [:commit]
      @commit_result
    end

    def abort_operation
      @operations << [:abort]
      true
    end
  end

  class Color
    attr_accessor :red, :green, :blue, :alpha

    def initialize(red = 0, green = 0, blue = 0, alpha = 255)
      @red, @green, @blue, @alpha = red, green, blue, alpha
    end

    def to_a
      [red, green, blue, alpha]
    end
  end

  class Vertex < Entity
    attr_reader :position

    def initialize(position)
      super()
      @position = position
    end
  end
end

module Geom
  module Coordinates
    attr_reader :x, :y, :z

    def initialize(x = 0.0, y = 0.0, z = 0.0)
      @x, @y, @z = x, y, z
    end

    def to_a
      [x, y, z]
    end
  end

  class Vector3d
    include Coordinates
  end

  class Point3d
    include Coordinates
  end

  # Sixteen numbers in column order: x axis, y axis, z axis, origin.
  class Transformation
    IDENTITY = [1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0].freeze

    def initialize(values = IDENTITY)
      @values = values.is_a?(Point3d) ? IDENTITY[0, 12] + values.to_a + [1.0] : values.to_a.dup
    end

    def to_a
      @values.dup
    end
  end
end

module UI
  def self.messagebox(text, type = MB_OK)
    FakeHost.message_box(text, type)
  end
end

module KilnForSketchUp
  FakeHost::PLUGIN_METHODS.each do |name|
    define_singleton_method(name) { |*args| FakeHost.call_plugin(name, args) }
  end
end

FakeHost.reset!
