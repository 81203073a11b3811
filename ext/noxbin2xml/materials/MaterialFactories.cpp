#include "materials/BaseMaterial.h"
#include "materials/Base_BRDF.h"

namespace KilnCore {
namespace {

const std::array<FactoryEntry<BaseMaterial>, 0> kMaterials{};
const std::array<FactoryEntry<Base_BRDF>, 0> kBRDFs{};

}  // namespace

std::shared_ptr<BaseMaterial> createMaterial(int32_t id) { return createFromTable(kMaterials, id); }
std::shared_ptr<Base_BRDF> createBRDF(int32_t id) { return createFromTable(kBRDFs, id); }

}  // namespace KilnCore
