#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"

namespace KilnCore {
namespace {

using M = BaseMaterial;
const std::array<FactoryEntry<BaseMaterial>, 15> kMaterials{{
    {0, makeDefault<MaterialSingleBRDF, M>},
    {1, makeDefault<MaterialLayeredBRDF, M>},
    {2, makeDefault<MaterialMulti, M>},
    {3, makeDefault<MaterialBump, M>},
    {4, makeDefault<MaterialInstance, M>},
    {5, makeDefault<Material2Sided, M>},
    {6, makeDefault<MaterialLinked, M>},
    {7, makeDefault<MaterialSkp2Sided, M>},
    {8, makeDefault<MaterialOverrideEnvironment, M>},
    {9, makeDefault<MaterialDisplaced, M>},
    {10, makeDefault<MaterialObjectExclusion, M>},
    {11, makeDefault<MaterialAlphaContribution, M>},
    {12, makeDefault<MaterialAngleBlend, M>},
    {13, makeDefault<MaterialReference, M>},
    {14, makeDefault<MaterialToon, M>},
}};

const std::array<FactoryEntry<Base_BRDF>, 6> kBRDFs{{
    {1, makeDefault<Glass_BRDF, Base_BRDF>},
    {2, makeDefault<Diffuse_BRDF, Base_BRDF>},
    {4, makeDefault<Blinn_BRDF, Base_BRDF>},
    {8, makeDefault<Phong_BRDF, Base_BRDF>},
    {16, makeDefault<Mirror_BRDF, Base_BRDF>},
    {32, makeDefault<Light_BRDF, Base_BRDF>},
}};

}  // namespace

std::shared_ptr<BaseMaterial> createMaterial(int32_t id) { return createFromTable(kMaterials, id); }
std::shared_ptr<Base_BRDF> createBRDF(int32_t id) { return createFromTable(kBRDFs, id); }

}  // namespace KilnCore
