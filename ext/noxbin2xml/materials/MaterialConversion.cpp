#include "materials/MaterialConversion.h"

#include "materials/MtlTESSARConverter.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {

namespace {

void appendMaterialDocument(std::string& xml, const std::shared_ptr<BaseMaterial>& material) {
    appendDocument(xml, [&](AssetXmlWriter& writer) { MtlTESSARConverter(material).writeXML(writer, ""); });
}

}  // namespace

std::string materialDocument(const std::shared_ptr<BaseMaterial>& material) {
    std::string text;
    appendMaterialDocument(text, material);
    return text;
}

bool convertMaterialRecord(QuickArchive& archive, int32_t typeId, std::string& xml) {
    std::shared_ptr<BaseMaterial> material = createMaterial(typeId);
    if (!material || !material->deserialize(archive)) return false;
    appendMaterialDocument(xml, material);
    return true;
}

}  // namespace KilnCore
