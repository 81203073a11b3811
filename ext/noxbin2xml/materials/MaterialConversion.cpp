#include "materials/MaterialConversion.h"

#include "materials/BaseMaterial.h"

namespace KilnCore {

// The material document writer arrives with the material library.
bool convertMaterialRecord(QuickArchive& archive, int32_t typeId, std::string& xml) {
    std::shared_ptr<BaseMaterial> material = createMaterial(typeId);
    (void)xml;
    return material && material->deserialize(archive) && false;
}

}  // namespace KilnCore
