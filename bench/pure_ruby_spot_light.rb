# frozen_string_literal: true

# What a Ruby developer would write instead of the native module: a plain
# converter of one spot light record (newest version) to its light asset,
# using String#unpack and string formatting.
module PureRubySpotLight
  # version, color, shadow colour, 9 floats, units, photon and caustic
  # subdivisions, light mode, 3 flags, shadow subdivisions, shadow radius,
  # transform, cone and penumbra angles, 2 flags
  RECORD = "L<e3e3e9l<L<L<l<CCCL<ee12eeCC"

  FLOATS = %w[cutoffThreshold barnDoorLeft barnDoorRight barnDoorTop barnDoorBottom
              shadowBias decay intensity].freeze

  module_function

  def number(value)
    format("%g", value).sub(/e([+-])(\d+)\z/) { "e#{$1}#{$2.rjust(3, '0')}" }
  end

  def parameter(out, type, name, label: name, user_data: false)
    extra = user_data ? ' isUserData="1"' : ""
    out << %(          <parameter type="#{type}" name="#{name}" handler="default" listType="none"#{extra} label="#{label}">\n)
    yield
    out << "          </parameter>\n"
  end

  def value(out, name, type, text, **options)
    parameter(out, type, name, **options) { out << "            <value>#{text}</value>\n" }
  end

  def color(out, name, rgb)
    parameter(out, "color", name) do
      out << "            <value>\n"
      %w[r g b].each_with_index { |c, i| out << "              <#{c}>#{number(rgb[i])}</#{c}>\n" }
      out << "            </value>\n"
    end
  end

  def transform(out, name, values)
    parameter(out, "transform", name) do
      out << "            <value>\n"
      values.each_slice(3) do |x, y, z|
        out << "              <vector>\n"
        out << "                <x>#{number(x)}</x>\n"
        out << "                <y>#{number(y)}</y>\n"
        out << "                <z>#{number(z)}</z>\n"
        out << "              </vector>\n"
      end
      out << "            </value>\n"
    end
  end

  # The light asset for a record given as an Array of byte values; nil when
  # the record is not a spot light record of version 4.
  def convert(bytes)
    v = bytes.pack("C*").unpack(RECORD)
    return nil unless v[0] == 0x40000

    color_rgb = v[1, 3]
    shadow_rgb = v[4, 3]
    floats = v[7, 9]
    units, photons, caustics, _mode, enabled, barn_door, shadows, shadow_subdivs, radius = v[16, 9]
    matrix = v[25, 12]
    cone, penumbra, diffuse, specular = v[37, 4]

    out = +""
    out << %(  <Asset layout="" renderer="kiln" type="light" url="/LightSpot" >\n)
    out << "    <plugin>\n"
    out << %(      <kilnplugin name="LightSpot" type="light">\n)
    out << "        <parameters>\n"
    color(out, "color", color_rgb)
    color(out, "shadowColor", shadow_rgb)
    FLOATS.each_with_index { |name, i| value(out, name, "float", number(floats[i])) }
    value(out, "shadowRadius", "float", number(radius))
    value(out, "coneAngle", "float", number(cone))
    value(out, "penumbraAngle", "float", number(penumbra))
    value(out, "units", "integer", units)
    value(out, "photonSubdivs", "integer", [photons].pack("L").unpack1("l"))
    value(out, "causticSubdivs", "integer", [caustics].pack("L").unpack1("l"))
    value(out, "shadowSubdivs", "integer", [shadow_subdivs].pack("L").unpack1("l"))
    { "enabled" => enabled, "barnDoor" => barn_door, "shadows" => shadows,
      "affectDiffuse" => diffuse, "affectSpecular" => specular }.each do |name, flag|
      value(out, name, "bool", flag.zero? ? 0 : 1)
    end
    transform(out, "transform", matrix)
    value(out, "legacyMode", "bool", 1, label: "Legacy Mode", user_data: true)
    out << "        </parameters>\n"
    out << "      </kilnplugin>\n"
    out << "    </plugin>\n"
    out << "  </Asset>\n"
  end
end
