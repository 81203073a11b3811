// Materials that wrap, pair or refer to other materials. Each class is its
// fields; its records and parameters are the description tables of the .cpp.
#pragma once

#include "materials/DescribedMaterial.h"

namespace KilnCore {

// Declares what every composite declares: construction through reset, its
// type, its plugin type and its description.
#define KILN_COMPOSITE(Class, id, plugin, resetsName)                    \
public:                                                                  \
    static constexpr bool kResetsName = resetsName;                      \
    Class() { reset(); }                                                 \
    int32_t typeId() const override { return id; }                      \
    std::string_view pluginType() const override { return plugin; }      \
    static const Description<Class>& description();

// A list of sub-materials; writes no XML of its own.
class MaterialMulti final : public DescribedMaterial<MaterialMulti> {
    KILN_COMPOSITE(MaterialMulti, 2, "MtlMulti", true)
    std::vector<MaterialRef> materials;
};

class MaterialBump final : public DescribedMaterial<MaterialBump> {
    KILN_COMPOSITE(MaterialBump, 3, "MtlBump", true)
    MaterialRef base_mtl;
    TextureRef bump_tex;
    float bump_tex_mult;
};

// An instance of another material, which its record does not carry: copies
// share it and comparisons leave it out. Writes no XML of its own.
class MaterialInstance final : public DescribedMaterial<MaterialInstance> {
    KILN_COMPOSITE(MaterialInstance, 4, "", true)
    MaterialRef instanceOf;
};

class Material2Sided final : public DescribedMaterial<Material2Sided> {
    KILN_COMPOSITE(Material2Sided, 5, "Mtl2Sided", false)
    MaterialRef front, back;
    TextureRef translucency_tex, transparency_tex;
    Color translucency, transparency;
    float translucency_tex_mult, transparency_tex_mult;
    bool force_1sided;
};

// A material tied to an object of the host by an identifier; writes no XML
// of its own, and cannot be written without its linked material.
class MaterialLinked final : public DescribedMaterial<MaterialLinked> {
    KILN_COMPOSITE(MaterialLinked, 6, "", false)
    using IdData = MaterialIdData;
    MaterialRef linked;
    IdData idData;
};

class MaterialSkp2Sided final : public DescribedMaterial<MaterialSkp2Sided> {
    KILN_COMPOSITE(MaterialSkp2Sided, 7, "MtlSkp2Sided", false)
    MaterialRef front, back;
    bool force_1sided;
};

// Its parameters reach XML only through the material document; on its own
// it writes its base material under the URL it is given.
class MaterialOverrideEnvironment final : public DescribedMaterial<MaterialOverrideEnvironment> {
    KILN_COMPOSITE(MaterialOverrideEnvironment, 8, "MtlOverrideEnvironment", false)
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;

    MaterialRef base_mtl;
    TextureRef gi_tex, bg_tex, reflect_tex, refract_tex;
    Color gi_color, bg_color, reflect_color, refract_color;
    float bg_tex_mult, gi_tex_mult, reflect_tex_mult, refract_tex_mult;
    bool override_bg, override_gi, override_reflect, override_refract;
};

// Its parameters reach XML only through the material document; on its own
// it writes its base material under its own URL.
class MaterialDisplaced final : public DescribedMaterial<MaterialDisplaced> {
    KILN_COMPOSITE(MaterialDisplaced, 9, "MtlDisplaced", false)
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;

    MaterialRef base_mtl;
    TextureRef displace_tex;
    float displace_tex_mult, displace_shift, displace_edge_length;
    int32_t displace_max_subdivs, displace_continuity, displace_view_dependent, displace_use_globals;
};

class MaterialObjectExclusion final : public DescribedMaterial<MaterialObjectExclusion> {
    KILN_COMPOSITE(MaterialObjectExclusion, 10, "MtlObjectExclusion", false)
    MaterialRef base_mtl;
    int32_t mode;
    std::vector<std::string> objects;
    bool short_circuit;
};

class MaterialAlphaContribution final : public DescribedMaterial<MaterialAlphaContribution> {
    KILN_COMPOSITE(MaterialAlphaContribution, 11, "MtlAlphaContribution", false)
    MaterialRef base_mtl;
    TextureRef alpha_tex;
    float alpha_tex_mult, alpha;
};

class MaterialAngleBlend final : public DescribedMaterial<MaterialAngleBlend> {
    KILN_COMPOSITE(MaterialAngleBlend, 12, "MtlAngleBlend", false)
    MaterialRef mtl_one, mtl_two;
    float start_angle, stop_angle;
};

// Refers to a library material by identifier. Writing the record first takes
// the library's material under that identifier into `resolved`, so the
// record carries it as it is at that time. Its own XML is the resolved
// material's, when there is one.
class MaterialReference final : public DescribedMaterial<MaterialReference> {
    KILN_COMPOSITE(MaterialReference, 13, "", true)
    bool serialize(QuickArchive& archive) override;
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;

    std::string referenceId;
    MaterialRef resolved;
};

class MaterialToon final : public DescribedMaterial<MaterialToon> {
    KILN_COMPOSITE(MaterialToon, 14, "MtlToon", false)
    MaterialRef base_mtl;
    TextureRef color_tex, distort_tex, opacity_tex, width_tex;
    Color color;
    float color_tex_mult, distort, distort_tex_mult, opacity, opacity_tex_mult, width, width_tex_mult;
    float z_threshold, trace_bias, normal_threshold, line_units, silhouette_mult;
    bool do_secondary, divide_by_distance, do_silhouette_mult;
};

#undef KILN_COMPOSITE

}  // namespace KilnCore
