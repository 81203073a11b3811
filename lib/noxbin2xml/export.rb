# Exports the old Kiln records of a model as files the noxbin2xml tool reads,
# so that they can be converted and diagnosed outside the host. Run it in the
# host's Ruby console:
#
#   load "/path/to/lib/noxbin2xml/export.rb"
#   Noxbin2xml::Export.export_model("C:/Temp/kiln-records")
#
# It writes, as raw record bytes:
#   scene-kindK.rec             the model's scene record ("serial_data"), K its kind
#   materials/NAME-TYPE.rec     each SketchUp material's Kiln material record
# and then the tool converts them:
#   noxbin2xml scene scene-kind4.rec -o out
#   noxbin2xml material auto materials -o out/materials
#
# It only reads the model; it needs neither the extension nor the plug-in,
# and keeps to the Ruby of older hosts (2.0).
require "fileutils"

module Noxbin2xml
  module Export
    DICTIONARY = "{DD17A615-9867-4806-8F46-B37031D7F153}".freeze
    SCENE_KEY = "serial_data".freeze
    MATERIAL_KEY = "kiln_material".freeze
    MATERIAL_TYPE_KEY = "kiln_material_type".freeze
    MATERIAL_NAME_KEY = "kiln_material_name".freeze
    # Characters file systems refuse in names.
    UNSAFE = %r{[/\\:*?"<>|\x00-\x1f]}.freeze

    module_function

    # Writes the records of the model into folder (created when missing) and
    # returns the paths written. Entries that hold no record are reported and
    # skipped. A record file is never written halfway: each goes through a
    # temporary file that is renamed into place.
    def export_model(folder, model = Sketchup.active_model, log: $stdout)
      raise ArgumentError, "no model to export" unless model

      FileUtils.mkdir_p(folder)
      written = []
      scene = record_bytes(model.get_attribute(DICTIONARY, SCENE_KEY))
      if scene
        written << write_record(File.join(folder, "scene-kind#{scene_kind(scene)}.rec"), scene)
      else
        log.puts "The model holds no scene record."
      end
      written.concat(export_materials(model, File.join(folder, "materials"), log))
      log.puts "Wrote #{written.size} record file(s) to #{folder}."
      written
    end

    # One file per SketchUp material that carries a Kiln material record,
    # named after the Kiln material and ending in its type.
    def export_materials(model, folder, log)
      used = {}
      paths = model.materials.map do |material|
        bytes = record_bytes(material.get_attribute(DICTIONARY, MATERIAL_KEY))
        type = material.get_attribute(DICTIONARY, MATERIAL_TYPE_KEY)
        next unless bytes || type

        unless bytes && type.is_a?(Integer)
          log.puts "Skipped #{material.name}: its Kiln material record or type is missing."
          next
        end
        name = material.get_attribute(DICTIONARY, MATERIAL_NAME_KEY) || material.name
        FileUtils.mkdir_p(folder)
        write_record(File.join(folder, unique_file_name(name.to_s, type, used)), bytes)
      end
      paths.compact
    end

    # The record as a binary String, or nil when the value is not a non-empty
    # array of integers. Each integer contributes its low byte, as when the
    # extension reads the array.
    def record_bytes(value)
      return nil unless value.is_a?(Array) && !value.empty? && value.all? { |byte| byte.is_a?(Integer) }

      value.map { |byte| byte & 0xFF }.pack("C*")
    end

    # The scene record kind: the high half of its first word.
    def scene_kind(bytes)
      bytes.bytesize < 4 ? 0 : bytes.byteslice(2, 2).unpack("v").first
    end

    # "NAME-TYPE.rec" with unsafe characters replaced; names that would give
    # the same file (ignoring case) get "_2", "_3", ... before the type.
    def unique_file_name(name, type, used)
      base = name.gsub(UNSAFE, "_").strip
      base = "material" if base.empty? || base =~ /\A\.+\z/
      candidate = base
      counter = 1
      candidate = "#{base}_#{counter += 1}" while used.key?("#{candidate}-#{type}".downcase)
      used["#{candidate}-#{type}".downcase] = true
      "#{candidate}-#{type}.rec"
    end

    def write_record(path, bytes)
      temporary = "#{path}.tmp#{Process.pid}"
      File.binwrite(temporary, bytes)
      File.rename(temporary, path)
      path
    ensure
      FileUtils.rm_f(temporary) if temporary && File.exist?(temporary)
    end
  end
end
