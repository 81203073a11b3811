#include "materials/MaterialConversion.h"

#include "materials/MtlTESSARConverter.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {

bool convertMaterialRecord(QuickArchive& archive, int32_t typeId, std::string& xml) {
    std::shared_ptr<BaseMaterial> material = createMaterial(typeId);
    if (!material || !material->deserialize(archive)) return false;
    std::string text;
    AssetXmlWriter writer(text);
    MtlTESSARConverter(material).writeXML(writer, "");
    xml += text;
    return true;
}

}  // namespace KilnCore
