// The six BRDFs. Each class is its fields; what it reads and writes is the
// description table of its .cpp (see FieldTables.h).
#pragma once

#include "materials/Base_BRDF.h"
#include "materials/FieldTables.h"

namespace KilnCore {

// Implements the BRDF interface from the class's description. C is the class
// described, Final the class created by clone.
template <class C, class Final = C>
class DescribedBRDF : public Base_BRDF {
public:
    void reset() override {
        resetBase();
        fields::reset(self(), C::description().fields);
    }
    std::shared_ptr<Base_BRDF> clone() const override {
        auto copy = std::make_shared<Final>(static_cast<const Final&>(*this));
        fields::deepCopy<C>(*copy, C::description().fields, false);
        return copy;
    }
    bool isEqual(const std::shared_ptr<Base_BRDF>& other) const override {
        const C* that = other && other->typeId() == typeId() ? dynamic_cast<const C*>(other.get()) : nullptr;
        return that && fields::equal(self(), *that, C::description().fields);
    }
    bool serialize(QuickArchive& archive) override { return writeDescribedRecord(self(), archive, C::description()); }
    bool deserialize(QuickArchive& archive) override {
        return readDescribedRecord(self(), archive, C::description());
    }
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        fields::writeAsset(self(), writer, parentUrl + "/" + name, C::description());
    }

private:
    C& self() { return static_cast<C&>(*this); }
    const C& self() const { return static_cast<const C&>(*this); }
};

class Diffuse_BRDF final : public DescribedBRDF<Diffuse_BRDF> {
public:
    Diffuse_BRDF() { reset(); }
    int32_t typeId() const override { return 2; }
    std::string_view pluginType() const override { return "BRDFDiffuse"; }
    static const Description<Diffuse_BRDF>& description();

    Color color, transparency;
    float color_tex_mult, transparency_tex_mult;
    TextureRef color_tex, transparency_tex;
    bool use_color_tex_alpha_as_transparency;
};

class Light_BRDF final : public DescribedBRDF<Light_BRDF> {
public:
    Light_BRDF() { reset(); }
    int32_t typeId() const override { return 32; }
    std::string_view pluginType() const override { return "BRDFLight"; }
    static const Description<Light_BRDF>& description();

    Color color, transparency;
    float intensity, extraFloat1, transparency_tex_mult, color_tex_mult;
    TextureRef color_tex, transparency_tex;
    int32_t doubleSided;
};

class Mirror_BRDF final : public DescribedBRDF<Mirror_BRDF> {
public:
    Mirror_BRDF() { reset(); }
    int32_t typeId() const override { return 16; }
    std::string_view pluginType() const override { return "BRDFReflection"; }
    static const Description<Mirror_BRDF>& description();

    Color color, transparency;
    float transparency_tex_mult, color_tex_mult, cutoff;
    int32_t extraInt1;
    TextureRef transparency_tex, color_tex;
};

// Blinn and Phong share fields, records and XML; only their type differs.
template <class Final>
class GlossyBRDF : public DescribedBRDF<GlossyBRDF<Final>, Final> {
public:
    std::string_view pluginType() const override { return "BRDFReflection"; }
    static const Description<GlossyBRDF>& description();

    Color color, transparency;
    float hilightGlossiness, reflectionGlossiness, cutoff;
    float hilightGlossiness_tex_mult, reflectionGlossiness_tex_mult, color_tex_mult, transparency_tex_mult;
    float anisotropy, anisotropy_rotation;
    int32_t subdivs, extraInt1, back_side;
    TextureRef color_tex, hilightGlossiness_tex, reflectionGlossiness_tex, transparency_tex;
};

class Blinn_BRDF final : public GlossyBRDF<Blinn_BRDF> {
public:
    Blinn_BRDF() { reset(); }
    int32_t typeId() const override { return 4; }
};

class Phong_BRDF final : public GlossyBRDF<Phong_BRDF> {
public:
    Phong_BRDF() { reset(); }
    int32_t typeId() const override { return 8; }
};

class Glass_BRDF final : public DescribedBRDF<Glass_BRDF> {
public:
    Glass_BRDF() { reset(); }
    int32_t typeId() const override { return 1; }
    std::string_view pluginType() const override { return "BRDFRefraction"; }
    static const Description<Glass_BRDF>& description();

    Color color, transparency, fog_color, translucency;
    float ior, extraFloat1, cutoff, fog_color_mult, glossiness;
    float color_tex_mult, transparency_tex_mult, glossiness_tex_mult, ior_tex_mult, translucency_tex_mult;
    float thickness, scatter_coeff, scatter_direction;
    int32_t subdivs, extraInt1, affect_shadows, affect_alpha, translucency_on;
    TextureRef transparency_tex, color_tex, glossiness_tex, translucency_tex, ior_tex;
};

}  // namespace KilnCore
