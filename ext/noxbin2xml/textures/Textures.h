// The texture family: a bitmap texture, a constant colour and the
// procedural and combining textures. Each class is its fields with their
// defaults, its constants and its layout (Textures.cpp); RecordTexture does
// the rest. The sky is SkyTexture.h.
#pragma once

#include "textures/RecordTexture.h"

namespace KilnCore {

class BitmapTexture final : public RecordTexture<BitmapTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Bitmap;
    static constexpr std::string_view kPluginType = "TexBitmap";
    static const ObjectLayout<BitmapTexture>& layout();

    std::shared_ptr<BaseUVW> uvwgen;
    std::shared_ptr<BaseBitmap> bitmap;
    bool tile = true;
};

class FresnelTexture final : public RecordTexture<FresnelTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Fresnel;
    static constexpr std::string_view kPluginType = "TexFresnel";
    static const ObjectLayout<FresnelTexture>& layout();

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

class UVWTexture final : public RecordTexture<UVWTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Uvw;
    static constexpr std::string_view kPluginType = "TexUVW";
    static const ObjectLayout<UVWTexture>& layout();

    std::shared_ptr<BaseUVW> uvwgen;
};

class NoiseTexture final : public RecordTexture<NoiseTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Noise;
    static constexpr std::string_view kPluginType = "TexNoise";
    static const ObjectLayout<NoiseTexture>& layout();

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
class AColorTexture final : public RecordTexture<AColorTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::AColor;
    static constexpr std::string_view kPluginType = "TexAColor";
    static const ObjectLayout<AColorTexture>& layout();

    AColor texture{1.0f, 1.0f, 1.0f, 1.0f};

    AColorTexture() = default;
    explicit AColorTexture(const AColor& color) : texture(color) {}
};

// Unlike the others, a default checker is complete: a planar generator and
// white and black constant colours.
class CheckerTexture final : public RecordTexture<CheckerTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Checker;
    static constexpr std::string_view kPluginType = "TexChecker";
    static const ObjectLayout<CheckerTexture>& layout();

    std::shared_ptr<BaseUVW> uvwgen = createUVW(UvwType::PlanarWorld);
    std::shared_ptr<BaseTexture> white_color = std::make_shared<AColorTexture>(AColor{1.0f, 1.0f, 1.0f, 1.0f});
    std::shared_ptr<BaseTexture> black_color = std::make_shared<AColorTexture>(AColor{0.0f, 0.0f, 0.0f, 1.0f});
    float checkerFactor1 = 1.0f;
    float checkerFactor2 = 1.0f;
    bool tile_u = true;
    bool tile_v = true;
};

class GridTexture final : public RecordTexture<GridTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Grid;
    static constexpr std::string_view kPluginType = "TexGrid";
    static const ObjectLayout<GridTexture>& layout();

    std::shared_ptr<BaseUVW> uvwgen;
    std::shared_ptr<BaseTexture> line_color;
    std::shared_ptr<BaseTexture> fill_color;
    float gridFactor1 = 1.0f;
    float gridFactor2 = 1.0f;
    float u_width = 0.1f;
    float v_width = 0.1f;
};

class ClothTexture final : public RecordTexture<ClothTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Cloth;
    static constexpr std::string_view kPluginType = "TexCloth";
    static const ObjectLayout<ClothTexture>& layout();

    std::shared_ptr<BaseUVW> uvwgen;
    AColor gap_color{1.0f, 1.0f, 1.0f, 1.0f};
    AColor u_color{0.0f, 0.0f, 0.0f, 1.0f};
    AColor v_color{1.0f, 1.0f, 1.0f, 1.0f};
    float u_width = 0.1f;
    float v_width = 0.1f;
    bool tile = true;  // tiles in both directions
};

class BulgeTexture final : public RecordTexture<BulgeTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Bulge;
    static constexpr std::string_view kPluginType = "TexBulge";
    static const ObjectLayout<BulgeTexture>& layout();

    std::shared_ptr<BaseUVW> uvwgen;
    float u_width = 0.1f;
    float v_width = 0.1f;
};

class InvertTexture final : public RecordTexture<InvertTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Invert;
    static constexpr std::string_view kPluginType = "TexInvert";
    static const ObjectLayout<InvertTexture>& layout();

    std::shared_ptr<BaseTexture> texture;
    bool invert_alpha = false;
};

class BlendTexture final : public RecordTexture<BlendTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Blend;
    static constexpr std::string_view kPluginType = "TexBlend";
    static const ObjectLayout<BlendTexture>& layout();

    std::shared_ptr<BaseTexture> color_a;
    std::shared_ptr<BaseTexture> color_b;
    float color_a_mult = 1.0f;
    float color_b_mult = 1.0f;
    float blend_amount = 0.5f;
};

class RampTexture final : public RecordTexture<RampTexture, BaseTexture> {
public:
    static constexpr int32_t kTypeId = TextureType::Ramp;
    static constexpr std::string_view kPluginType = "TexRamp";
    static const ObjectLayout<RampTexture>& layout();

    std::shared_ptr<BaseUVW> uvwgen;
    std::shared_ptr<BaseTexture> colors;
    float positions = 0.5f;
    float u_wave = 0.0f;
    float v_wave = 0.0f;
    int32_t type = 0;
    int32_t interpolation = 1;
};

}  // namespace KilnCore
