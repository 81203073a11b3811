#include <gtest/gtest.h>

#include "serial/QuickArchive.h"
#include "textures/BitmapBuffer.h"
#include "textures/TextureMakers.h"
#include "textures/Textures.h"
#include "textures/UvwGenerators.h"

using namespace KilnCore;

namespace {

std::shared_ptr<BaseTexture> constant(float r, float g, float b, float a = 1.0f) {
    return std::make_shared<AColorTexture>(AColor{r, g, b, a});
}

std::shared_ptr<BaseUVW> channel(int32_t uvwChannel) {
    auto uvw = std::make_shared<GenChannelUVW>();
    uvw->uvw_channel = uvwChannel;
    return uvw;
}

// One texture of every class, every slot filled and values off their defaults.
std::vector<std::shared_ptr<BaseTexture>> samples() {
    auto bitmap = std::static_pointer_cast<BitmapTexture>(makeBitmapTexture("maps/brick.png"));
    bitmap->tile = false;

    auto fresnel = std::make_shared<FresnelTexture>();
    fresnel->black_color_tex = constant(0.1f, 0.2f, 0.3f);
    fresnel->refract_ior_tex = constant(0.4f, 0.5f, 0.6f);
    fresnel->white_color = {0.9f, 0.8f, 0.7f};
    fresnel->refract_ior = 1.33f;
    fresnel->fresnel_ior_tex_mult = 0.5f;

    auto uvw = std::make_shared<UVWTexture>();
    uvw->uvwgen = std::make_shared<GenObjectUVW>();

    auto noise = std::make_shared<NoiseTexture>();
    noise->uvwgen = channel(2);
    noise->color1_tex = constant(1, 0, 0);
    noise->color2_tex = constant(0, 0, 1);
    noise->color2 = {0.5f, 0.5f, 0.5f};
    noise->bias = 0.25f;
    noise->color2_tex_mult = 0.75f;
    noise->inflection = 1;

    auto checker = std::make_shared<CheckerTexture>();
    checker->tile_v = false;
    checker->checkerFactor2 = 3.0f;

    auto grid = std::make_shared<GridTexture>();
    grid->uvwgen = channel(3);
    grid->line_color = constant(0, 0, 0);
    grid->fill_color = std::make_shared<CheckerTexture>();
    grid->gridFactor1 = 2.0f;
    grid->v_width = 0.3f;

    auto cloth = std::make_shared<ClothTexture>();
    cloth->uvwgen = std::make_shared<GenPlanarWorldUVW>();
    cloth->u_color = {0.2f, 0.3f, 0.4f, 0.5f};
    cloth->tile = false;

    auto bulge = std::make_shared<BulgeTexture>();
    bulge->uvwgen = std::make_shared<GenEnvironmentUVW>();
    bulge->u_width = 0.4f;

    auto invert = std::make_shared<InvertTexture>();
    invert->texture = constant(0.3f, 0.3f, 0.3f, 0.5f);
    invert->invert_alpha = true;

    auto blend = std::make_shared<BlendTexture>();
    blend->color_b = constant(0, 1, 0);
    blend->color_a_mult = 0.5f;
    blend->blend_amount = 0.9f;

    auto ramp = std::make_shared<RampTexture>();
    ramp->uvwgen = channel(1);
    ramp->colors = blend->clone();
    ramp->type = 2;
    ramp->v_wave = 0.1f;

    return {bitmap, fresnel, uvw,   noise,  checker, constant(0.1f, 0.2f, 0.3f, 0.4f),
            grid,   cloth,   bulge, invert, blend,   ramp};
}

QuickArchive recordOf(BaseTexture& texture) {
    QuickArchive ar;
    EXPECT_TRUE(texture.serialize(ar));
    return ar;
}

std::shared_ptr<BaseTexture> read(int32_t id, QuickArchive& ar) {
    auto texture = createTexture(id);
    return texture && texture->deserialize(ar) ? texture : nullptr;
}

}  // namespace

TEST(TextureFactory, CreatesEveryTextureAndNamesIt) {
    const char* pluginTypes[] = {"TexBitmap", "TexFresnel", "TexUVW",   "TexNoise",  "TexChecker", "TexAColor",
                                 "TexGrid",   "TexCloth",   "TexBulge", "TexInvert", "TexBlend",   "TexRamp"};
    for (int32_t id = 0; id < 12; ++id) {
        auto texture = createTexture(id);
        ASSERT_TRUE(texture) << id;
        EXPECT_EQ(texture->typeId(), id);
        EXPECT_EQ(texture->pluginType(), pluginTypes[id]);
        EXPECT_EQ(texture->category(), "texture");
    }
    EXPECT_FALSE(createTexture(-1));
    EXPECT_FALSE(createTexture(13));
    EXPECT_EQ(textureTypeName(0), "Bitmap");
    EXPECT_EQ(textureTypeName(5), "AColor");
    EXPECT_EQ(textureTypeName(12), "Sky");
    EXPECT_EQ(textureTypeName(13), "");
    EXPECT_EQ(textureTypeName(-1), "");
}

TEST(TextureFamily, EveryClassRoundTripsAndClonesDeeply) {
    for (const auto& texture : samples()) {
        SCOPED_TRACE(std::string(texture->pluginType()));
        QuickArchive ar = recordOf(*texture);
        auto back = read(texture->typeId(), ar);
        ASSERT_TRUE(back);
        EXPECT_EQ(ar.readPos(), ar.writePos());
        EXPECT_TRUE(back->isEqual(texture));
        EXPECT_TRUE(texture->isEqual(back));
        // The newest record reproduces itself byte for byte.
        QuickArchive again = recordOf(*back);
        ASSERT_EQ(again.writePos(), ar.writePos());
        std::vector<uint8_t> first(ar.writePos()), second(ar.writePos());
        ar.setReadPos(0);
        ar.readBytes(first.data(), first.size());
        again.readBytes(second.data(), second.size());
        EXPECT_EQ(first, second);

        EXPECT_TRUE(texture->clone()->isEqual(texture));
        EXPECT_FALSE(texture->isEqual(createTexture(texture->typeId() == 5 ? 4 : 5)));
        EXPECT_FALSE(texture->isEqual(nullptr));
    }

    auto blend = std::make_shared<BlendTexture>();
    blend->color_a = constant(1, 0, 0);
    auto copy = std::static_pointer_cast<BlendTexture>(blend->clone());
    EXPECT_NE(copy->color_a, blend->color_a);
    std::static_pointer_cast<AColorTexture>(copy->color_a)->texture.g = 1;
    EXPECT_FALSE(copy->isEqual(blend));  // a difference deep in a slot
    copy = std::static_pointer_cast<BlendTexture>(blend->clone());
    copy->color_b_mult = 2;  // a field the XML never shows
    EXPECT_FALSE(copy->isEqual(blend));
    copy->color_b_mult = 1;
    copy->color_b = constant(1, 0, 0);  // filled against empty
    EXPECT_FALSE(copy->isEqual(blend));
    EXPECT_FALSE(blend->isEqual(copy));
}

TEST(TextureFamily, RequiredSlotsMustBeFilledToWrite) {
    QuickArchive ar;
    EXPECT_FALSE(BitmapTexture().serialize(ar));
    BitmapTexture halfBitmap;
    halfBitmap.uvwgen = channel(1);
    EXPECT_FALSE(halfBitmap.serialize(ar));
    EXPECT_FALSE(NoiseTexture().serialize(ar));
    GridTexture grid;
    grid.uvwgen = channel(1);
    grid.line_color = constant(0, 0, 0);
    EXPECT_FALSE(grid.serialize(ar));
    EXPECT_EQ(ar.writePos(), 0u);  // nothing written by a refused write

    NoiseTexture noise;  // optional slots may stay empty
    noise.uvwgen = channel(1);
    EXPECT_TRUE(noise.serialize(ar));
    EXPECT_TRUE(BlendTexture().serialize(ar));
}

TEST(TextureFamily, DefaultCheckerIsCompleteRecord) {
    CheckerTexture checker;
    QuickArchive ar = recordOf(checker);
    uint32_t word = 0;
    int32_t id = -1;
    ar.readUInt32(word);
    EXPECT_EQ(word, 0x00020000u);
    ar.readInt32(id);
    EXPECT_EQ(id, 0);
    EXPECT_TRUE(GenPlanarWorldUVW().deserialize(ar));
    for (AColor expected : {AColor{1, 1, 1, 1}, AColor{0, 0, 0, 1}}) {
        ar.readInt32(id);
        EXPECT_EQ(id, 5);
        AColorTexture color;
        EXPECT_TRUE(color.deserialize(ar));
        EXPECT_EQ(color.texture, expected);
    }
    bool tileU = false, tileV = false;
    float factor1 = 0, factor2 = 0;
    ar.readBool(tileU);
    ar.readBool(tileV);
    ar.readFloat(factor1);
    ar.readFloat(factor2);
    EXPECT_TRUE(tileU && tileV);
    EXPECT_EQ(factor1, 1.0f);
    EXPECT_EQ(factor2, 1.0f);
    EXPECT_EQ(ar.readPos(), ar.writePos());

    // reset gives fresh children, not the ones held before.
    auto white = checker.white_color;
    checker.reset();
    EXPECT_NE(checker.white_color, white);
    EXPECT_TRUE(checker.white_color->isEqual(white));
}

TEST(TextureFamily, EmptyBlendRecordLayout) {
    QuickArchive ar = recordOf(*createTexture(10));
    EXPECT_EQ(ar.writePos(), 4u + 1 + 4 + 1 + 4 + 4);
    uint32_t word = 0;
    bool present = true;
    float aMult = 0, bMult = 0, amount = 0;
    ar.readUInt32(word);
    ar.readBool(present);
    EXPECT_FALSE(present);
    ar.readFloat(aMult);
    ar.readBool(present);
    EXPECT_FALSE(present);
    ar.readFloat(bMult);
    ar.readFloat(amount);
    EXPECT_EQ(word, 0x00020000u);
    EXPECT_EQ(aMult, 1.0f);
    EXPECT_EQ(bMult, 1.0f);
    EXPECT_EQ(amount, 0.5f);
}

TEST(TextureFamily, OlderVersionsKeepDefaultsForMissingFields) {
    auto writeTexture = [](QuickArchive& ar, BaseTexture&& texture) {
        ar.writeInt32(texture.typeId());
        texture.serialize(ar);
    };
    auto writeUvw = [](QuickArchive& ar) {
        ar.writeInt32(0);
        GenPlanarWorldUVW().serialize(ar);
    };

    QuickArchive fresnelRecord;  // colours, iors, then the four optional slots
    fresnelRecord.writeUInt32(0x00010000);
    fresnelRecord.writeColor({0.5f, 0.5f, 0.5f});
    fresnelRecord.writeColor({0.1f, 0.1f, 0.1f});
    fresnelRecord.writeFloat(1.2f);
    fresnelRecord.writeFloat(1.4f);
    fresnelRecord.writeBool(false);
    fresnelRecord.writeBool(true);
    writeTexture(fresnelRecord, AColorTexture(AColor{0, 1, 0, 1}));
    fresnelRecord.writeBool(false);
    fresnelRecord.writeBool(false);
    auto fresnel = std::static_pointer_cast<FresnelTexture>(read(1, fresnelRecord));
    ASSERT_TRUE(fresnel);
    EXPECT_EQ(fresnel->white_color, (Color{0.5f, 0.5f, 0.5f}));
    EXPECT_EQ(fresnel->refract_ior, 1.4f);
    EXPECT_FALSE(fresnel->black_color_tex);
    ASSERT_TRUE(fresnel->white_color_tex);
    EXPECT_TRUE(fresnel->white_color_tex->isEqual(constant(0, 1, 0)));
    EXPECT_EQ(fresnel->black_color_tex_mult, 1.0f);
    EXPECT_EQ(fresnel->refract_ior_tex_mult, 1.0f);

    QuickArchive checkerRecord;  // ends after tile_v
    checkerRecord.writeUInt32(0x00010000);
    writeUvw(checkerRecord);
    writeTexture(checkerRecord, AColorTexture(AColor{1, 0, 0, 1}));
    writeTexture(checkerRecord, AColorTexture(AColor{0, 0, 1, 1}));
    checkerRecord.writeBool(false);
    checkerRecord.writeBool(true);
    checkerRecord.writeFloat(9.0f);  // not part of a version-1 record
    auto checker = std::static_pointer_cast<CheckerTexture>(read(4, checkerRecord));
    ASSERT_TRUE(checker);
    EXPECT_EQ(checkerRecord.readPos(), checkerRecord.writePos() - 4);
    EXPECT_TRUE(checker->black_color->isEqual(constant(0, 0, 1)));
    EXPECT_FALSE(checker->tile_u);
    EXPECT_TRUE(checker->tile_v);
    EXPECT_EQ(checker->checkerFactor1, 1.0f);

    QuickArchive gridRecord;  // the three slots only
    gridRecord.writeUInt32(0x00010000);
    writeUvw(gridRecord);
    writeTexture(gridRecord, AColorTexture());
    writeTexture(gridRecord, AColorTexture());
    auto grid = std::static_pointer_cast<GridTexture>(read(6, gridRecord));
    ASSERT_TRUE(grid);
    EXPECT_EQ(gridRecord.readPos(), gridRecord.writePos());
    EXPECT_EQ(grid->u_width, 0.1f);
    EXPECT_EQ(grid->gridFactor2, 1.0f);

    QuickArchive clothRecord;  // no tile flag
    clothRecord.writeUInt32(0x00010000);
    writeUvw(clothRecord);
    for (int i = 0; i < 3; ++i) clothRecord.writeAColor({0.5f, 0.5f, 0.5f, 1});
    clothRecord.writeFloat(0.2f);
    clothRecord.writeFloat(0.3f);
    auto cloth = std::static_pointer_cast<ClothTexture>(read(7, clothRecord));
    ASSERT_TRUE(cloth);
    EXPECT_EQ(clothRecord.readPos(), clothRecord.writePos());
    EXPECT_EQ(cloth->v_width, 0.3f);
    EXPECT_TRUE(cloth->tile);

    QuickArchive blendRecord;  // the two optional slots only
    blendRecord.writeUInt32(0x00010000);
    blendRecord.writeBool(true);
    writeTexture(blendRecord, AColorTexture());
    blendRecord.writeBool(false);
    auto blend = std::static_pointer_cast<BlendTexture>(read(10, blendRecord));
    ASSERT_TRUE(blend);
    EXPECT_EQ(blendRecord.readPos(), blendRecord.writePos());
    EXPECT_TRUE(blend->color_a);
    EXPECT_FALSE(blend->color_b);
    EXPECT_EQ(blend->blend_amount, 0.5f);
}

TEST(TextureFamily, UnreadableRecordsFail) {
    auto fails = [](int32_t id, auto write) {
        QuickArchive ar;
        write(ar);
        return !read(id, ar);
    };
    // Unknown child identifiers, in required, optional and bitmap slots.
    EXPECT_TRUE(fails(9, [](QuickArchive& ar) {
        ar.writeUInt32(0x00010000);
        ar.writeInt32(13);
    }));
    EXPECT_TRUE(fails(10, [](QuickArchive& ar) {
        ar.writeUInt32(0x00020000);
        ar.writeBool(true);
        ar.writeInt32(-1);
    }));
    EXPECT_TRUE(fails(2, [](QuickArchive& ar) {
        ar.writeUInt32(0x00010000);
        ar.writeInt32(2);  // no UVW generator has id 2
    }));
    EXPECT_TRUE(fails(0, [](QuickArchive& ar) {
        ar.writeUInt32(0x00010000);
        ar.writeInt32(4);
        ar.writeInt32(1);  // no bitmap has id 1
    }));
    // A nested failure two levels down.
    EXPECT_TRUE(fails(9, [](QuickArchive& ar) {
        ar.writeUInt32(0x00010000);
        ar.writeInt32(9);
        ar.writeUInt32(0x00010000);
        ar.writeInt32(99);
    }));
    // A child whose own record is rejected.
    EXPECT_TRUE(fails(0, [](QuickArchive& ar) {
        ar.writeUInt32(0x00010000);
        ar.writeInt32(4);
        ar.writeInt32(0);
        GenChannelUVW().serialize(ar);
        ar.writeUInt32(0x00020000);  // bitmap buffer version 2
    }));
    // A record that ends before its required child, versions and tags.
    EXPECT_TRUE(fails(8, [](QuickArchive& ar) { ar.writeUInt32(0x00010000); }));
    EXPECT_TRUE(fails(5, [](QuickArchive& ar) { ar.writeUInt32(0x00020000); }));
    EXPECT_TRUE(fails(1, [](QuickArchive& ar) { ar.writeUInt32(0x00030000); }));
    EXPECT_TRUE(fails(4, [](QuickArchive& ar) { ar.writeUInt32(0x00010001); }));
    EXPECT_TRUE(fails(0, [](QuickArchive& ar) { ar.writeUInt32(0x00000000); }));
}

TEST(TextureFamily, DeeplyNestedRecordsFailWithoutExhaustingTheStack) {
    QuickArchive ar;
    for (int i = 0; i < 100000; ++i) {
        ar.writeUInt32(0x00010000);
        ar.writeInt32(9);
    }
    EXPECT_FALSE(read(9, ar));
}

TEST(TextureMakers, BitmapAndFresnel) {
    EXPECT_FALSE(makeBitmapTexture(""));
    auto bitmap = std::dynamic_pointer_cast<BitmapTexture>(makeBitmapTexture("a.png"));
    ASSERT_TRUE(bitmap);
    auto uvw = std::dynamic_pointer_cast<GenChannelUVW>(bitmap->uvwgen);
    ASSERT_TRUE(uvw);
    EXPECT_EQ(uvw->uvw_channel, 1);
    auto buffer = std::dynamic_pointer_cast<BitmapBuffer>(bitmap->bitmap);
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->file, "a.png");
    EXPECT_TRUE(bitmap->tile);
    EXPECT_TRUE(makeFresnelTexture()->isEqual(createTexture(1)));
}
