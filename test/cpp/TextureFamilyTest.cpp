#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include "serial/QuickArchive.h"
#include "textures/BitmapBuffer.h"
#include "textures/TextureMakers.h"
#include "textures/Textures.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

namespace {

std::shared_ptr<BaseTexture> constant(float r, float g, float b) {
    return std::make_shared<AColorTexture>(AColor{r, g, b, 1.0f});
}

// One texture of every class but the sky, every slot filled, some values off
// their defaults.
std::vector<std::shared_ptr<BaseTexture>> samples() {
    auto fresnel = std::make_shared<FresnelTexture>();
    fresnel->black_color_tex = constant(0.1f, 0.2f, 0.3f);
    fresnel->refract_ior_tex_mult = 0.5f;
    auto uvw = std::make_shared<UVWTexture>();
    uvw->uvwgen = std::make_shared<GenObjectUVW>();
    auto noise = std::make_shared<NoiseTexture>();
    noise->uvwgen = std::make_shared<GenChannelUVW>();
    noise->color2_tex = constant(0, 0, 1);
    noise->inflection = 1;
    auto grid = std::make_shared<GridTexture>();
    grid->uvwgen = std::make_shared<GenEnvironmentUVW>();
    grid->line_color = constant(0, 0, 0);
    grid->fill_color = std::make_shared<CheckerTexture>();
    grid->gridFactor2 = 2.0f;
    auto cloth = std::make_shared<ClothTexture>();
    cloth->uvwgen = std::make_shared<GenPlanarWorldUVW>();
    cloth->tile = false;
    auto bulge = std::make_shared<BulgeTexture>();
    bulge->uvwgen = std::make_shared<GenPlanarWorldUVW>();
    auto invert = std::make_shared<InvertTexture>();
    invert->texture = constant(0.3f, 0.3f, 0.3f);
    auto blend = std::make_shared<BlendTexture>();
    blend->color_b = constant(0, 1, 0);
    blend->color_a_mult = 0.5f;
    auto ramp = std::make_shared<RampTexture>();
    ramp->uvwgen = std::make_shared<GenChannelUVW>();
    ramp->colors = blend;
    return {makeBitmapTexture("brick.png"),
            fresnel,
            uvw,
            noise,
            std::make_shared<CheckerTexture>(),
            constant(0.1f, 0.2f, 0.3f),
            grid,
            cloth,
            bulge,
            invert,
            blend,
            ramp};
}

std::shared_ptr<BaseTexture> read(int32_t id, QuickArchive& ar) {
    auto texture = createTexture(id);
    return texture && texture->deserialize(ar) ? texture : nullptr;
}

}  // namespace

TEST(TextureFamily, FactoryAndNames) {
    for (int32_t id = 0; id <= 12; ++id) EXPECT_EQ(createTexture(id)->typeId(), id);
    EXPECT_FALSE(createTexture(13));
    EXPECT_FALSE(createTexture(-1));
    EXPECT_EQ(textureTypeName(0), "Bitmap");
    EXPECT_EQ(textureTypeName(12), "Sky");
    EXPECT_EQ(textureTypeName(13), "");
}

TEST(TextureFamily, EveryClassRoundTripsAndClonesDeeply) {
    for (const auto& texture : samples()) {
        SCOPED_TRACE(std::string(texture->pluginType()));
        QuickArchive ar;
        ASSERT_TRUE(texture->serialize(ar));
        auto back = read(texture->typeId(), ar);
        ASSERT_TRUE(back);
        EXPECT_EQ(ar.readPos(), ar.writePos());
        EXPECT_TRUE(back->isEqual(texture));
        EXPECT_TRUE(texture->clone()->isEqual(texture));
    }
    auto blend = std::make_shared<BlendTexture>();
    blend->color_a = constant(1, 0, 0);
    auto copy = std::static_pointer_cast<BlendTexture>(blend->clone());
    std::static_pointer_cast<AColorTexture>(copy->color_a)->texture.g = 1;
    EXPECT_FALSE(copy->isEqual(blend));  // the copy's child is its own
    copy = std::static_pointer_cast<BlendTexture>(blend->clone());
    copy->color_b = constant(1, 0, 0);
    EXPECT_FALSE(copy->isEqual(blend));
    EXPECT_FALSE(blend->isEqual(copy));
}

TEST(TextureFamily, RequiredSlotsAndDefaultRecords) {
    QuickArchive refused;
    EXPECT_FALSE(BitmapTexture().serialize(refused));
    EXPECT_FALSE(NoiseTexture().serialize(refused));
    EXPECT_EQ(refused.writePos(), 0u);

    // A default checker is complete: planar generator, white and black colours.
    QuickArchive checker;
    ASSERT_TRUE(CheckerTexture().serialize(checker));
    uint32_t word = 0;
    int32_t id = -1;
    checker.readUInt32(word);
    checker.readInt32(id);
    EXPECT_EQ(id, 0);
    EXPECT_TRUE(GenPlanarWorldUVW().deserialize(checker));
    for (const auto& expected : {constant(1, 1, 1), constant(0, 0, 0)}) {
        checker.readInt32(id);
        auto color = createTexture(id);
        ASSERT_TRUE(color && color->deserialize(checker));
        EXPECT_TRUE(color->isEqual(expected));
    }
    EXPECT_EQ(checker.writePos() - checker.readPos(), 2u + 2 * 4);

    // An empty blend: version word, byte 0, float, byte 0, float, float.
    QuickArchive blend;
    ASSERT_TRUE(BlendTexture().serialize(blend));
    EXPECT_EQ(blend.writePos(), 18u);
}

TEST(TextureFamily, OlderVersionsKeepDefaultsForMissingFields) {
    Record v1;  // no multipliers
    v1.u32(0x00010000).c(0.5f, 0.5f, 0.5f).c(0.1f, 0.1f, 0.1f).f(1.2f, 1.4f).b(false, true).i32(5);
    AColorTexture(AColor{0, 1, 0, 1}).serialize(v1.ar);
    v1.b(false, false);
    QuickArchive& fresnelRecord = v1.ar;
    auto fresnel = std::static_pointer_cast<FresnelTexture>(read(1, fresnelRecord));
    ASSERT_TRUE(fresnel);
    EXPECT_EQ(fresnelRecord.readPos(), fresnelRecord.writePos());
    EXPECT_EQ(fresnel->refract_ior, 1.4f);
    EXPECT_FALSE(fresnel->black_color_tex);
    EXPECT_TRUE(fresnel->white_color_tex->isEqual(constant(0, 1, 0)));
    EXPECT_EQ(fresnel->black_color_tex_mult, 1.0f);
}

TEST(TextureFamily, UnknownChildrenAndVersionsFail) {
    const std::pair<int32_t, std::vector<uint32_t>> records[] = {
        {9, {0x00010000, 13}},                 // texture id 13
        {2, {0x00010000, 2}},                  // UVW id 2
        {0, {0x00010000, 4, 1}},               // bitmap id 1
        {9, {0x00010000, 9, 0x00010000, 99}},  // two levels down
        {8, {0x00010000}},                     // record ends before its generator
        {5, {0x00020000}},                     // unread version
        {4, {0x00010001}},                     // tag 1
    };
    for (const auto& [id, words] : records) {
        QuickArchive ar;
        for (uint32_t word : words) ar.writeUInt32(word);
        EXPECT_FALSE(read(id, ar)) << id << " " << words.size();
    }
    QuickArchive optional;  // an optional slot naming no texture
    optional.writeUInt32(0x00020000);
    optional.writeBool(true);
    optional.writeInt32(-1);
    EXPECT_FALSE(read(10, optional));
}

TEST(TextureMakers, BitmapAndFresnel) {
    EXPECT_FALSE(makeBitmapTexture(""));
    auto bitmap = std::dynamic_pointer_cast<BitmapTexture>(makeBitmapTexture("a.png"));
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(bitmap->uvwgen->isEqual(std::make_shared<GenChannelUVW>()));
    auto buffer = std::make_shared<BitmapBuffer>();
    buffer->file = "a.png";
    EXPECT_TRUE(bitmap->bitmap->isEqual(buffer));
    EXPECT_TRUE(makeFresnelTexture()->isEqual(createTexture(1)));
}
