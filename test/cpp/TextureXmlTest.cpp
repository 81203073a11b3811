#include <gtest/gtest.h>

#include "serial/AssetXmlWriter.h"
#include "textures/TextureMakers.h"
#include "textures/Textures.h"

using namespace KilnCore;

namespace {

std::string xmlOf(BaseTexture& texture, const std::string& parentUrl) {
    std::string out;
    AssetXmlWriter writer(out);
    texture.writeXML(writer, parentUrl);
    return out;
}

}  // namespace

TEST(TextureXml, BitmapTextureWritesGeneratorBufferThenItself) {
    auto texture = makeBitmapTexture("C:\\maps\\a&b.png");
    EXPECT_EQ(xmlOf(*texture, "/Brick/diffuse_tex"), R"(  <Asset layout="" renderer="kiln" type="uvw" url="/Brick/diffuse_tex/TexBitmap/uvwgen/UVWGenChannel" >
    <plugin>
      <kilnplugin name="/Brick/diffuse_tex/TexBitmap/uvwgen/UVWGenChannel" type="UVWGenChannel">
        <parameters>
          <parameter type="componentTransform" name="uvw_transform" handler="default" listType="none" label="uvw_transform">
            <value>
              <x_rotation>0</x_rotation>
              <y_rotation>0</y_rotation>
              <z_rotation>0</z_rotation>
              <x_scale>1</x_scale>
              <y_scale>1</y_scale>
              <z_scale>1</z_scale>
              <x_offset>0</x_offset>
              <y_offset>0</y_offset>
              <z_offset>0</z_offset>
              <x_mirror>0</x_mirror>
              <y_mirror>0</y_mirror>
              <z_mirror>0</z_mirror>
            </value>
          </parameter>
          <parameter type="transform" name="tex_transform" handler="default" listType="none" label="tex_transform">
            <value>
              <vector>
                <x>1</x>
                <y>0</y>
                <z>0</z>
              </vector>
              <vector>
                <x>0</x>
                <y>1</y>
                <z>0</z>
              </vector>
              <vector>
                <x>0</x>
                <y>0</y>
                <z>1</z>
              </vector>
              <vector>
                <x>0</x>
                <y>0</y>
                <z>0</z>
              </vector>
            </value>
          </parameter>
          <parameter type="integer" name="wrap_u" handler="default" listType="none" label="wrap_u">
            <value>0</value>
          </parameter>
          <parameter type="integer" name="wrap_v" handler="default" listType="none" label="wrap_v">
            <value>0</value>
          </parameter>
          <parameter type="integer" name="uvw_channel" handler="default" listType="none" label="uvw_channel">
            <value>1</value>
          </parameter>
        </parameters>
      </kilnplugin>
    </plugin>
  </Asset>
  <Asset layout="" renderer="kiln" type="bitmap" url="/Brick/diffuse_tex/TexBitmap/buffer/BitmapBuffer" >
    <plugin>
      <kilnplugin name="/Brick/diffuse_tex/TexBitmap/buffer/BitmapBuffer" type="BitmapBuffer">
        <parameters>
          <parameter type="integer" name="filter_type" handler="default" listType="none" label="filter_type">
            <value>1</value>
          </parameter>
          <parameter type="float" name="filter_blur" handler="default" listType="none" label="filter_blur">
            <value>0.15</value>
          </parameter>
          <parameter type="float" name="gamma" handler="default" listType="none" label="gamma">
            <value>1</value>
          </parameter>
          <parameter type="string" name="file" handler="FileBrowserHandler" listType="none" label="file">
            <value>C:\maps\a&amp;b.png</value>
          </parameter>
        </parameters>
      </kilnplugin>
    </plugin>
  </Asset>
  <Asset layout="" renderer="kiln" type="texture" url="/Brick/diffuse_tex/TexBitmap" >
    <plugin>
      <kilnplugin name="/Brick/diffuse_tex/TexBitmap" type="TexBitmap">
        <parameters>
          <parameter type="plugin" name="uvwgen" handler="default" listType="none" label="uvwgen">
            <value>/Brick/diffuse_tex/TexBitmap/uvwgen/UVWGenChannel</value>
          </parameter>
          <parameter type="plugin" name="bitmap" handler="default" listType="none" label="bitmap">
            <value>/Brick/diffuse_tex/TexBitmap/buffer/BitmapBuffer</value>
          </parameter>
          <parameter type="bool" name="tile" handler="default" listType="none" label="tile">
            <value>1</value>
          </parameter>
        </parameters>
      </kilnplugin>
    </plugin>
  </Asset>
)");
}

TEST(TextureXml, NestedTreeWritesInnermostFirst) {
    auto blend = std::make_shared<BlendTexture>();
    blend->color_a = std::make_shared<AColorTexture>(AColor{0.5f, 0.25f, 1.0f, 1.0f});
    blend->blend_amount = 0.25f;
    InvertTexture invert;
    invert.texture = blend;
    invert.invert_alpha = true;
    EXPECT_EQ(xmlOf(invert, "/Mat/diffuse_tex"), R"(  <Asset layout="" renderer="kiln" type="texture" url="/Mat/diffuse_tex/TexInvert/base_texture/TexBlend/color_a/TexAColor" >
    <plugin>
      <kilnplugin name="/Mat/diffuse_tex/TexInvert/base_texture/TexBlend/color_a/TexAColor" type="TexAColor">
        <parameters>
          <parameter type="acolor" name="texture" handler="default" listType="none" label="texture">
            <value>
              <r>0.5</r>
              <g>0.25</g>
              <b>1</b>
              <a>1</a>
            </value>
          </parameter>
        </parameters>
      </kilnplugin>
    </plugin>
  </Asset>
  <Asset layout="" renderer="kiln" type="texture" url="/Mat/diffuse_tex/TexInvert/base_texture/TexBlend" >
    <plugin>
      <kilnplugin name="/Mat/diffuse_tex/TexInvert/base_texture/TexBlend" type="TexBlend">
        <parameters>
          <parameter type="plugin" name="color_a" handler="default" listType="none" label="color_a">
            <value>/Mat/diffuse_tex/TexInvert/base_texture/TexBlend/color_a/TexAColor</value>
          </parameter>
          <parameter type="plugin" name="color_b" handler="default" listType="none" label="color_b">
          </parameter>
          <parameter type="float" name="blend_amount" handler="default" listType="none" label="blend_amount">
            <value>0.25</value>
          </parameter>
        </parameters>
      </kilnplugin>
    </plugin>
  </Asset>
  <Asset layout="" renderer="kiln" type="texture" url="/Mat/diffuse_tex/TexInvert" >
    <plugin>
      <kilnplugin name="/Mat/diffuse_tex/TexInvert" type="TexInvert">
        <parameters>
          <parameter type="plugin" name="texture" handler="default" listType="none" label="texture">
            <value>/Mat/diffuse_tex/TexInvert/base_texture/TexBlend</value>
          </parameter>
          <parameter type="bool" name="invert_alpha" handler="default" listType="none" label="invert_alpha">
            <value>1</value>
          </parameter>
        </parameters>
      </kilnplugin>
    </plugin>
  </Asset>
)");
}

TEST(TextureXml, ChildNamesThatDifferFromParameterNames) {
    FresnelTexture fresnel;
    fresnel.black_color_tex = std::make_shared<AColorTexture>();
    fresnel.white_color_tex = std::make_shared<AColorTexture>();
    const std::string xml = xmlOf(fresnel, "");
    EXPECT_LT(xml.find("url=\"/TexFresnel/reflection_tex/TexAColor\""),
              xml.find("url=\"/TexFresnel/refraction_tex/TexAColor\""));
    EXPECT_NE(xml.find("label=\"white_color_tex\">\n            <value>/TexFresnel/refraction_tex/TexAColor<"),
              std::string::npos);

    ClothTexture cloth;  // one flag, two parameters
    cloth.tile = false;
    EXPECT_NE(xmlOf(cloth, "").find("label=\"tile_u\">\n            <value>0</value>\n          </parameter>\n"
                                    "          <parameter type=\"bool\" name=\"tile_v\" handler=\"default\" "
                                    "listType=\"none\" label=\"tile_v\">\n            <value>0</value>"),
              std::string::npos);
}
