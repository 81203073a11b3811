#include <gtest/gtest.h>

#include "Golden.h"

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
    EXPECT_EQ(xmlOf(*texture, "/Brick/diffuse_tex"), golden("bitmap-texture.xml"));
}

TEST(TextureXml, NestedTreeWritesInnermostFirst) {
    auto blend = std::make_shared<BlendTexture>();
    blend->color_a = std::make_shared<AColorTexture>(AColor{0.5f, 0.25f, 1.0f, 1.0f});
    blend->blend_amount = 0.25f;
    InvertTexture invert;
    invert.texture = blend;
    invert.invert_alpha = true;
    EXPECT_EQ(xmlOf(invert, "/Mat/diffuse_tex"), golden("nested-textures.xml"));
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
