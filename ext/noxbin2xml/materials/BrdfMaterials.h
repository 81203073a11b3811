// The materials that hold BRDFs directly.
#pragma once

#include "materials/RecordMaterial.h"

namespace KilnCore {

// One BRDF; writes no XML of its own. Copies share the BRDF.
class MaterialSingleBRDF final : public RecordMaterial<MaterialSingleBRDF> {
public:
    static constexpr int32_t kTypeId = MaterialType::SingleBRDF;
    static constexpr std::string_view kPluginType = "MtlSingleBRDF";
    static const MaterialLayout<MaterialSingleBRDF>& layout();
    // Everything but the BRDF back to its default.
    void reset() override;

    BrdfRef brdf;
    int32_t extraInt1 = 0, extraInt2 = 0;
};

// An ordered list of BRDF layers: the material every conversion writes.
class MaterialLayeredBRDF final : public RecordMaterial<MaterialLayeredBRDF> {
public:
    static constexpr int32_t kTypeId = MaterialType::Layered;
    static constexpr std::string_view kPluginType = "MtlTESSAR";
    static const MaterialLayout<MaterialLayeredBRDF>& layout();

    std::vector<BrdfRef> brdfs;
    int32_t double_sided = 1, extraInt1 = 0, extraInt2 = 1, extraInt3 = 1, extraInt4 = 0;
};

}  // namespace KilnCore
