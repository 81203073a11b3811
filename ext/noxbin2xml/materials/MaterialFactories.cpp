#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"

namespace KilnCore {
namespace {

// A material made for a record takes a free default name from the library
// in use until its record names it.
template <class C>
std::shared_ptr<BaseMaterial> makeMaterial() {
    auto made = std::make_shared<C>();
    made->resetBase();
    return made;
}

template <class C>
constexpr FactoryEntry<BaseMaterial> material() {
    return {C::kTypeId, makeMaterial<C>};
}
template <class C>
constexpr FactoryEntry<Base_BRDF> brdf() {
    return {C::kTypeId, makeDefault<C, Base_BRDF>};
}

const std::array<FactoryEntry<BaseMaterial>, 15> kMaterials{
    material<MaterialSingleBRDF>(),        material<MaterialLayeredBRDF>(),    material<MaterialMulti>(),
    material<MaterialBump>(),              material<MaterialInstance>(),       material<Material2Sided>(),
    material<MaterialLinked>(),            material<MaterialSkp2Sided>(),      material<MaterialOverrideEnvironment>(),
    material<MaterialDisplaced>(),         material<MaterialObjectExclusion>(), material<MaterialAlphaContribution>(),
    material<MaterialAngleBlend>(),        material<MaterialReference>(),      material<MaterialToon>(),
};

const std::array<FactoryEntry<Base_BRDF>, 6> kBRDFs{
    brdf<Glass_BRDF>(), brdf<Diffuse_BRDF>(), brdf<Blinn_BRDF>(), brdf<Phong_BRDF>(), brdf<Mirror_BRDF>(), brdf<Light_BRDF>(),
};

}  // namespace

std::shared_ptr<BaseMaterial> createMaterial(int32_t id) { return createFromTable(kMaterials, id); }
std::shared_ptr<Base_BRDF> createBRDF(int32_t id) { return createFromTable(kBRDFs, id); }

}  // namespace KilnCore
