// The materials that hold BRDFs directly.
#pragma once

#include "materials/DescribedMaterial.h"

namespace KilnCore {

// One BRDF; writes no XML of its own. Copies share the BRDF.
class MaterialSingleBRDF final : public DescribedMaterial<MaterialSingleBRDF> {
public:
    static constexpr bool kResetsName = true;
    MaterialSingleBRDF() { reset(); }
    int32_t typeId() const override { return 0; }
    std::string_view pluginType() const override { return "MtlSingleBRDF"; }
    static const Description<MaterialSingleBRDF>& description();
    // Everything but the BRDF back to its default.
    void reset() override;

    BrdfRef brdf;
    int32_t extraInt1, extraInt2;
};

// An ordered list of BRDF layers: the material every conversion writes.
class MaterialLayeredBRDF final : public DescribedMaterial<MaterialLayeredBRDF> {
public:
    static constexpr bool kResetsName = true;
    MaterialLayeredBRDF() { reset(); }
    int32_t typeId() const override { return 1; }
    std::string_view pluginType() const override { return "MtlTESSAR"; }
    static const Description<MaterialLayeredBRDF>& description();

    std::vector<BrdfRef> brdfs;
    int32_t double_sided, extraInt1, extraInt2, extraInt3, extraInt4;
};

}  // namespace KilnCore
