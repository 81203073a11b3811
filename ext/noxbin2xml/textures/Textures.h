// The texture family: a bitmap texture, a constant colour and the
// procedural and combining textures. Each class is its fields with their
// defaults, its constants and its field list (Textures.cpp); FieldTexture
// does the rest. The sky is SkyTexture.h.
#pragma once

#include "textures/TextureFields.h"

namespace KilnCore {

class BitmapTexture final : public FieldTexture<BitmapTexture> {
public:
    static constexpr int32_t kTypeId = 0;
    static constexpr uint16_t kVersion = 1;
    static constexpr std::string_view kClassName = "BitmapTexture";
    static constexpr std::string_view kPluginType = "TexBitmap";
    static const TextureFields<BitmapTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen;
    std::shared_ptr<BaseBitmap> bitmap;
    bool tile = true;

    // The record keeps both type identifiers ahead of both records.
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
};

class FresnelTexture final : public FieldTexture<FresnelTexture> {
public:
    static constexpr int32_t kTypeId = 1;
    static constexpr uint16_t kVersion = 2;
    static constexpr std::string_view kClassName = "FresnelTexture";
    static constexpr std::string_view kPluginType = "TexFresnel";
    static const TextureFields<FresnelTexture>& fields();

    std::shared_ptr<BaseTexture> black_color_tex;
    std::shared_ptr<BaseTexture> white_color_tex;
    std::shared_ptr<BaseTexture> fresnel_ior_tex;
    std::shared_ptr<BaseTexture> refract_ior_tex;
    Color white_color{1.0f, 1.0f, 1.0f};
    Color black_color{0.25490198f, 0.25490198f, 0.25490198f};
    float fresnel_ior = 1.55f;
    float refract_ior = 1.55f;
    float black_color_tex_mult = 1.0f;
    float white_color_tex_mult = 1.0f;
    float fresnel_ior_tex_mult = 1.0f;
    float refract_ior_tex_mult = 1.0f;
};

class UVWTexture final : public FieldTexture<UVWTexture> {
public:
    static constexpr int32_t kTypeId = 2;
    static constexpr uint16_t kVersion = 1;
    static constexpr std::string_view kClassName = "UVWTexture";
    static constexpr std::string_view kPluginType = "TexUVW";
    static const TextureFields<UVWTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen;
};

class NoiseTexture final : public FieldTexture<NoiseTexture> {
public:
    static constexpr int32_t kTypeId = 3;
    static constexpr uint16_t kVersion = 1;
    static constexpr std::string_view kClassName = "NoiseTexture";
    static constexpr std::string_view kPluginType = "TexNoise";
    static const TextureFields<NoiseTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen;
    std::shared_ptr<BaseTexture> color1_tex;
    std::shared_ptr<BaseTexture> color2_tex;
    Color color1{1.0f, 1.0f, 1.0f};
    Color color2{0.0f, 0.0f, 0.0f};
    float persistence = 1.0f;
    float amplitude_ratio = 1.0f;
    float frequency_ratio = 2.0f;
    float frequency1 = 1.0f;
    float amplitude1 = 1.0f;
    float size = 1.0f;
    float mix_ratio = 0.5f;
    float bias = 0.0f;
    float color1_tex_mult = 1.0f;
    float color2_tex_mult = 1.0f;
    int32_t octaves = 3;
    int32_t noiseType = 0;
    int32_t inflection = 0;
};

// A constant colour.
class AColorTexture final : public FieldTexture<AColorTexture> {
public:
    static constexpr int32_t kTypeId = 5;
    static constexpr uint16_t kVersion = 1;
    static constexpr std::string_view kClassName = "AColorTexture";
    static constexpr std::string_view kPluginType = "TexAColor";
    static const TextureFields<AColorTexture>& fields();

    AColor texture{1.0f, 1.0f, 1.0f, 1.0f};

    AColorTexture() = default;
    explicit AColorTexture(const AColor& color) : texture(color) {}
};

// Unlike the others, a default checker is complete: a planar generator and
// white and black constant colours.
class CheckerTexture final : public FieldTexture<CheckerTexture> {
public:
    static constexpr int32_t kTypeId = 4;
    static constexpr uint16_t kVersion = 2;
    static constexpr std::string_view kClassName = "CheckerTexture";
    static constexpr std::string_view kPluginType = "TexChecker";
    static const TextureFields<CheckerTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen = createUVW(0);
    std::shared_ptr<BaseTexture> white_color = std::make_shared<AColorTexture>(AColor{1.0f, 1.0f, 1.0f, 1.0f});
    std::shared_ptr<BaseTexture> black_color = std::make_shared<AColorTexture>(AColor{0.0f, 0.0f, 0.0f, 1.0f});
    float checkerFactor1 = 1.0f;
    float checkerFactor2 = 1.0f;
    bool tile_u = true;
    bool tile_v = true;
};

class GridTexture final : public FieldTexture<GridTexture> {
public:
    static constexpr int32_t kTypeId = 6;
    static constexpr uint16_t kVersion = 2;
    static constexpr std::string_view kClassName = "GridTexture";
    static constexpr std::string_view kPluginType = "TexGrid";
    static const TextureFields<GridTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen;
    std::shared_ptr<BaseTexture> line_color;
    std::shared_ptr<BaseTexture> fill_color;
    float gridFactor1 = 1.0f;
    float gridFactor2 = 1.0f;
    float u_width = 0.1f;
    float v_width = 0.1f;
};

class ClothTexture final : public FieldTexture<ClothTexture> {
public:
    static constexpr int32_t kTypeId = 7;
    static constexpr uint16_t kVersion = 2;
    static constexpr std::string_view kClassName = "ClothTexture";
    static constexpr std::string_view kPluginType = "TexCloth";
    static const TextureFields<ClothTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen;
    AColor gap_color{1.0f, 1.0f, 1.0f, 1.0f};
    AColor u_color{0.0f, 0.0f, 0.0f, 1.0f};
    AColor v_color{1.0f, 1.0f, 1.0f, 1.0f};
    float u_width = 0.1f;
    float v_width = 0.1f;
    bool tile = true;  // tiles in both directions
};

class BulgeTexture final : public FieldTexture<BulgeTexture> {
public:
    static constexpr int32_t kTypeId = 8;
    static constexpr uint16_t kVersion = 1;
    static constexpr std::string_view kClassName = "BulgeTexture";
    static constexpr std::string_view kPluginType = "TexBulge";
    static const TextureFields<BulgeTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen;
    float u_width = 0.1f;
    float v_width = 0.1f;
};

class InvertTexture final : public FieldTexture<InvertTexture> {
public:
    static constexpr int32_t kTypeId = 9;
    static constexpr uint16_t kVersion = 1;
    static constexpr std::string_view kClassName = "InvertTexture";
    static constexpr std::string_view kPluginType = "TexInvert";
    static const TextureFields<InvertTexture>& fields();

    std::shared_ptr<BaseTexture> texture;
    bool invert_alpha = false;
};

class BlendTexture final : public FieldTexture<BlendTexture> {
public:
    static constexpr int32_t kTypeId = 10;
    static constexpr uint16_t kVersion = 2;
    static constexpr std::string_view kClassName = "BlendTexture";
    static constexpr std::string_view kPluginType = "TexBlend";
    static const TextureFields<BlendTexture>& fields();

    std::shared_ptr<BaseTexture> color_a;
    std::shared_ptr<BaseTexture> color_b;
    float color_a_mult = 1.0f;
    float color_b_mult = 1.0f;
    float blend_amount = 0.5f;
};

class RampTexture final : public FieldTexture<RampTexture> {
public:
    static constexpr int32_t kTypeId = 11;
    static constexpr uint16_t kVersion = 1;
    static constexpr std::string_view kClassName = "RampTexture";
    static constexpr std::string_view kPluginType = "TexRamp";
    static const TextureFields<RampTexture>& fields();

    std::shared_ptr<BaseUVW> uvwgen;
    std::shared_ptr<BaseTexture> colors;
    float positions = 0.5f;
    float u_wave = 0.0f;
    float v_wave = 0.0f;
    int32_t type = 0;
    int32_t interpolation = 1;
};

}  // namespace KilnCore
