#include <gtest/gtest.h>

#include "Golden.h"
#include "RecordBuilder.h"

#include "textures/TextureMakers.h"
#include "textures/Textures.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

TEST(TextureFamily, MissingChildrenAndDefaultRecords) {
    QuickArchive refused;
    EXPECT_FALSE(BitmapTexture().serialize(refused));
    EXPECT_FALSE(NoiseTexture().serialize(refused));
    EXPECT_EQ(refused.writePos(), 0u);

    // A default checker is complete: planar generator, white and black
    // colours; an empty blend is its word, two absent slots and three floats.
    Record checker;
    checker.u32(0x20000).i32(0);
    GenPlanarWorldUVW().serialize(checker.ar);
    checker.i32(5).u32(0x10000).c(1, 1, 1).f(1).i32(5).u32(0x10000).c(0, 0, 0).f(1).b(true, true).f(1, 1);
    EXPECT_EQ(recordOf(*createTexture(4)), bytesOf(checker.ar));
    EXPECT_EQ(recordOf(*createTexture(10)), bytesOf(Record().u32(0x20000).b(false).f(1).b(false).f(1, 0.5f).ar));
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
