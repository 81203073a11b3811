#include "materials/MaterialConversion.h"

#include "materials/MtlTESSARConverter.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {

std::string materialDocument(const std::shared_ptr<BaseMaterial>& material) {
    std::string text;
    AssetXmlWriter writer(text);
    MtlTESSARConverter(material).writeXML(writer, "");
    return text;
}

bool convertMaterialRecord(QuickArchive& archive, int32_t typeId, std::string& xml) {
    std::shared_ptr<BaseMaterial> material = createMaterial(typeId);
    if (!material || !material->deserialize(archive)) return false;
    xml += materialDocument(material);
    return true;
}

}  // namespace KilnCore
