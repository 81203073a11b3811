# Builds the plug-in's old binary records in their host form, Arrays of
# byte values, for tests that need real scenes and materials.
module Records
  module_function

  def u32(*values)
    values.pack("V*").bytes
  end
  def i32(*values)
    values.pack("l<*").bytes
  end
  def floats(*values)
    values.pack("e*").bytes
  end
  def wstring(text)
    u32(text.bytesize) + text.b.bytes
  end

  # Version-0 options whose nested records (parameters, frame data, stamp)
  # are their version words followed by zeros: zero is a valid value for
  # every field, including empty texts and absent textures.
  def old_options
    u32(0x0000_0001) +
      u32(0x0001_0000) + [0] * 668 +
      u32(0x0001_0000) + [0] * 336 +
      u32(0x0001_0000) + [0] * 76 +
      [0] * 146
  end

  def material_base(name)
    u32(0x0002_0000) + wstring(name) + wstring("")
  end

  # A diffuse BRDF without textures; colours are [r, g, b] in 0..1.
  def diffuse(color, transparency = [0.0, 0.0, 0.0])
    u32(0x0004_0000) + floats(*color, *transparency, 1.0, 1.0) + [0, 0] +
      u32(0x0004_0000) + wstring("BRDFDiffuse") + [1, 0, 0] + [0]
  end

  # [type identifier, record] of a layered material holding diffuse BRDFs.
  def layered(name, *diffuse_records)
    record = u32(0x0004_0000) + u32(diffuse_records.size) +
             diffuse_records.flat_map { |brdf| i32(2) + brdf } +
             i32(1, 0, 1, 1) + material_base(name) + i32(0)
    [1, record]
  end

  # [type identifier, record] of a linked material whose text identifier
  # names a SketchUp material, wrapping the material given as [type, record].
  def linked(name, skp_name, (type, record))
    [6, u32(0x0001_0000) + u32(0x0001_0000) + i32(0) + wstring(skp_name) + i32(type) + record + material_base(name)]
  end

  # A scene record of the kind: the options, then (but for kind 1) a
  # version-1 library of the materials given as [type, record].
  def scene(kind, *materials)
    library = u32(0x0001_0000) + u32(materials.size) + materials.flat_map { |type, record| i32(type) + record }
    u32(kind << 16) + old_options + (kind == 1 ? [] : library)
  end
end
