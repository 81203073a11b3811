// The six BRDFs. Each class is its fields with their defaults; what it reads
// and writes is the layout of its .cpp.
#pragma once

#include "materials/MaterialFields.h"
#include "textures/TextureMakers.h"

namespace KilnCore {

// A BRDF described by a material layout: named after its plugin type until
// a record names it.
template <class C>
class RecordBrdf : public RecordObject<C, Base_BRDF> {
public:
    RecordBrdf() { this->name = std::string(C::kPluginType); }

    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        std::string url = parentUrl;
        this->appendAssetName(url);
        writeMaterialAsset(writer, this->self(), url, C::layout());
    }
};

class Diffuse_BRDF final : public RecordBrdf<Diffuse_BRDF> {
public:
    static constexpr int32_t kTypeId = BrdfType::Diffuse;
    static constexpr std::string_view kPluginType = "BRDFDiffuse";
    static const MaterialLayout<Diffuse_BRDF>& layout();

    Color color{0.5f, 0.5f, 0.5f}, transparency;
    float color_tex_mult = 1.0f, transparency_tex_mult = 1.0f;
    TextureRef color_tex, transparency_tex;
    bool use_color_tex_alpha_as_transparency = false;
};

class Light_BRDF final : public RecordBrdf<Light_BRDF> {
public:
    static constexpr int32_t kTypeId = BrdfType::Light;
    static constexpr std::string_view kPluginType = "BRDFLight";
    static const MaterialLayout<Light_BRDF>& layout();

    Color color{1, 1, 1}, transparency;
    float intensity = 1.0f, extraFloat1 = 1.0f, transparency_tex_mult = 1.0f, color_tex_mult = 1.0f;
    TextureRef color_tex, transparency_tex;
    int32_t doubleSided = 1;
};

// Records before the newest carry a switch that asks for a Fresnel
// transparency texture once the record is read.
class Mirror_BRDF final : public RecordBrdf<Mirror_BRDF> {
public:
    static constexpr int32_t kTypeId = BrdfType::Mirror;
    static constexpr std::string_view kPluginType = "BRDFReflection";
    static const MaterialLayout<Mirror_BRDF>& layout();

    Color color{1, 1, 1}, transparency{1, 1, 1};
    float transparency_tex_mult = 1.0f, color_tex_mult = 1.0f, cutoff = 0.01f;
    int32_t extraInt1 = 1;
    TextureRef transparency_tex = makeFresnelTexture(), color_tex;
    int32_t fresnelSwitch = 0;  // as the last old record read had it
};

// Blinn and Phong share fields, records and XML; only their type differs.
template <class Final>
class GlossyBRDF : public RecordBrdf<Final> {
public:
    static constexpr std::string_view kPluginType = "BRDFReflection";
    static const MaterialLayout<Final>& layout();

    Color color{1, 1, 1}, transparency{1, 1, 1};
    float hilightGlossiness = 1.0f, reflectionGlossiness = 1.0f, cutoff = 0.01f;
    float hilightGlossiness_tex_mult = 1.0f, reflectionGlossiness_tex_mult = 1.0f, color_tex_mult = 1.0f,
          transparency_tex_mult = 1.0f;
    float anisotropy = 0.0f, anisotropy_rotation = 0.0f;
    int32_t subdivs = 8, extraInt1 = 5, back_side = 0;
    TextureRef color_tex, hilightGlossiness_tex, reflectionGlossiness_tex, transparency_tex = makeFresnelTexture();
    int32_t fresnelSwitch = 0;  // as the last old record read had it
};

class Blinn_BRDF final : public GlossyBRDF<Blinn_BRDF> {
public:
    static constexpr int32_t kTypeId = BrdfType::Blinn;
    static constexpr std::string_view kClassName = "Blinn_BRDF";
};

class Phong_BRDF final : public GlossyBRDF<Phong_BRDF> {
public:
    static constexpr int32_t kTypeId = BrdfType::Phong;
    static constexpr std::string_view kClassName = "Phong_BRDF";
};

// Reading resets only the name and flags: fields an old version lacks keep
// the values they had.
class Glass_BRDF final : public RecordBrdf<Glass_BRDF> {
public:
    static constexpr int32_t kTypeId = BrdfType::Glass;
    static constexpr std::string_view kPluginType = "BRDFRefraction";
    static const MaterialLayout<Glass_BRDF>& layout();

    Color color{1, 1, 1}, transparency, fog_color{1, 1, 1}, translucency{1, 1, 1};
    float ior = 1.55f, extraFloat1 = 1.55f, cutoff = 0.001f, fog_color_mult = 1.0f, glossiness = 1.0f;
    float color_tex_mult = 1.0f, transparency_tex_mult = 1.0f, glossiness_tex_mult = 1.0f, ior_tex_mult = 1.0f,
          translucency_tex_mult = 1.0f;
    float thickness = 1000.0f, scatter_coeff = 0.0f, scatter_direction = 1.0f;
    int32_t subdivs = 8, extraInt1 = 5, affect_shadows = 0, affect_alpha = 0, translucency_on = 0;
    TextureRef transparency_tex, color_tex, glossiness_tex, translucency_tex, ior_tex;
};

}  // namespace KilnCore
