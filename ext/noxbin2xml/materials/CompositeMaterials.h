// Materials that wrap, pair or refer to other materials. Each class is its
// fields; its records and parameters are the description tables of the .cpp.
#pragma once

#include "materials/RecordMaterial.h"
#include "materials/MaterialIdData.h"

namespace KilnCore {

// Declares what every composite declares: its type, its plugin type and
// its layout.
#define KILN_COMPOSITE(Class, id, plugin)                   \
public:                                                     \
    static constexpr int32_t kTypeId = MaterialType::id;    \
    static constexpr std::string_view kPluginType = plugin; \
    static const MaterialLayout<Class>& layout();

// A list of sub-materials; writes no XML of its own.
class MaterialMulti final : public RecordMaterial<MaterialMulti> {
    KILN_COMPOSITE(MaterialMulti, Multi, "MtlMulti")
    std::vector<MaterialRef> materials;
};

class MaterialBump final : public RecordMaterial<MaterialBump> {
    KILN_COMPOSITE(MaterialBump, Bump, "MtlBump")
    MaterialRef base_mtl;
    TextureRef bump_tex;
    float bump_tex_mult = 1.0f;
};

// An instance of another material, which its record does not carry: copies
// share it and comparisons leave it out. Writes no XML of its own.
class MaterialInstance final : public RecordMaterial<MaterialInstance> {
    KILN_COMPOSITE(MaterialInstance, Instance, "")
    MaterialRef instanceOf;
};

class Material2Sided final : public RecordMaterial<Material2Sided> {
    KILN_COMPOSITE(Material2Sided, TwoSided, "Mtl2Sided")
    MaterialRef front, back;
    TextureRef translucency_tex, transparency_tex;
    Color translucency, transparency;
    float translucency_tex_mult = 1.0f, transparency_tex_mult = 1.0f;
    bool force_1sided = false;
};

// A material tied to an object of the host by an identifier; writes no XML
// of its own, and cannot be written without its linked material.
class MaterialLinked final : public RecordMaterial<MaterialLinked> {
    KILN_COMPOSITE(MaterialLinked, Linked, "")
    MaterialRef linked;
    MaterialIdData idData;
};

class MaterialSkp2Sided final : public RecordMaterial<MaterialSkp2Sided> {
    KILN_COMPOSITE(MaterialSkp2Sided, SkpTwoSided, "MtlSkp2Sided")
    MaterialRef front, back;
    bool force_1sided = false;
};

// Its parameters reach XML only through the material document; on its own
// it writes its base material under the URL it is given.
class MaterialOverrideEnvironment final : public RecordMaterial<MaterialOverrideEnvironment> {
    KILN_COMPOSITE(MaterialOverrideEnvironment, OverrideEnvironment, "MtlOverrideEnvironment")
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;

    MaterialRef base_mtl;
    TextureRef gi_tex, bg_tex, reflect_tex, refract_tex;
    Color gi_color, bg_color, reflect_color, refract_color;
    float bg_tex_mult = 1.0f, gi_tex_mult = 1.0f, reflect_tex_mult = 1.0f, refract_tex_mult = 1.0f;
    bool override_bg = false, override_gi = false, override_reflect = false, override_refract = false;
};

// Its parameters reach XML only through the material document; on its own
// it writes its base material under its own URL.
class MaterialDisplaced final : public RecordMaterial<MaterialDisplaced> {
    KILN_COMPOSITE(MaterialDisplaced, Displaced, "MtlDisplaced")
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;

    MaterialRef base_mtl;
    TextureRef displace_tex;
    float displace_tex_mult = 1.0f, displace_shift = 0.0f, displace_edge_length = 4.0f;
    int32_t displace_max_subdivs = 256, displace_continuity = 1, displace_view_dependent = 1,
            displace_use_globals = 1;
};

class MaterialObjectExclusion final : public RecordMaterial<MaterialObjectExclusion> {
    KILN_COMPOSITE(MaterialObjectExclusion, ObjectExclusion, "MtlObjectExclusion")
    MaterialRef base_mtl;
    int32_t mode = 0;
    std::vector<std::string> objects;
    bool short_circuit = true;
};

class MaterialAlphaContribution final : public RecordMaterial<MaterialAlphaContribution> {
    KILN_COMPOSITE(MaterialAlphaContribution, AlphaContribution, "MtlAlphaContribution")
    MaterialRef base_mtl;
    TextureRef alpha_tex;
    float alpha_tex_mult = 1.0f, alpha = 1.0f;
};

class MaterialAngleBlend final : public RecordMaterial<MaterialAngleBlend> {
    KILN_COMPOSITE(MaterialAngleBlend, AngleBlend, "MtlAngleBlend")
    MaterialRef mtl_one, mtl_two;
    float start_angle = 75.0f, stop_angle = 150.0f;
};

// Refers to a library material by identifier. Writing the record first takes
// the library's material under that identifier into `resolved`, so the
// record carries it as it is at that time. Its own XML is the resolved
// material's, when there is one.
class MaterialReference final : public RecordMaterial<MaterialReference> {
    KILN_COMPOSITE(MaterialReference, Reference, "")
    bool serialize(QuickArchive& archive) override;
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;
    // The library's material under the identifier, else `resolved`.
    std::vector<MaterialRef> parts() const override;

    std::string referenceId;
    MaterialRef resolved;
};

class MaterialToon final : public RecordMaterial<MaterialToon> {
    KILN_COMPOSITE(MaterialToon, Toon, "MtlToon")
    MaterialRef base_mtl;
    TextureRef color_tex, distort_tex, opacity_tex, width_tex;
    Color color;
    float color_tex_mult = 1.0f, distort = 0.0f, distort_tex_mult = 1.0f, opacity = 1.0f, opacity_tex_mult = 1.0f,
          width = 1.5f, width_tex_mult = 1.0f;
    float z_threshold = 0.95f, trace_bias = 0.02f, normal_threshold = 0.7f, line_units = 1.0f,
          silhouette_mult = 1.5f;
    bool do_secondary = true, divide_by_distance = false, do_silhouette_mult = false;
};

#undef KILN_COMPOSITE

}  // namespace KilnCore
