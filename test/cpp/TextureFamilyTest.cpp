#include <gtest/gtest.h>

#include "Golden.h"

#include "textures/TextureMakers.h"
#include "textures/Textures.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

// Fresh textures' records are cases of RecordTableTest (golden/records.txt);
// those that need a child cannot be written without one.
TEST(TextureFamily, MissingChildrenCannotBeWritten) {
    QuickArchive refused;
    EXPECT_FALSE(BitmapTexture().serialize(refused));
    EXPECT_FALSE(NoiseTexture().serialize(refused));
    EXPECT_EQ(refused.writePos(), 0u);
}

TEST(TextureXml, ChildrenWriteTheirAssetsFirstUnderTheirNames) {
    EXPECT_EQ(documentOf(*makeBitmapTexture("C:\\maps\\a&b.png"), "/Brick/diffuse_tex"), golden("bitmap-texture.xml"));
    EXPECT_FALSE(makeBitmapTexture(""));

    auto blend = std::make_shared<BlendTexture>();
    blend->color_a = std::make_shared<AColorTexture>(AColor{0.5f, 0.25f, 1.0f, 1.0f});
    blend->blend_amount = 0.25f;
    InvertTexture invert;
    invert.texture = blend;
    invert.invert_alpha = true;
    EXPECT_EQ(documentOf(invert, "/Mat/diffuse_tex"), golden("nested-textures.xml"));

    FresnelTexture fresnel;
    fresnel.black_color_tex = fresnel.white_color_tex = std::make_shared<AColorTexture>();
    EXPECT_EQ(assetUrls(documentOf(fresnel)),
              (std::vector<std::string>{"/TexFresnel/reflection_tex/TexAColor", "/TexFresnel/refraction_tex/TexAColor",
                                        "/TexFresnel"}));
    ClothTexture cloth;  // one flag, two parameters
    cloth.tile = false;
    const auto params = paramSummary(documentOf(cloth));
    EXPECT_EQ(std::vector<std::string>(params.end() - 2, params.end()),
              (std::vector<std::string>{"tile_u:bool=0", "tile_v:bool=0"}));
}
