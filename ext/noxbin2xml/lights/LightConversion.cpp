#include "lights/LightConversion.h"

#include "lights/BaseLight.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {

bool convertLightRecord(QuickArchive& archive, int32_t typeId, std::string& xml) {
    std::shared_ptr<BaseLight> light = createLight(typeId);
    if (!light || !light->deserialize(archive)) return false;
    appendDocument(xml, [&](AssetXmlWriter& writer) { light->writeXML(writer, ""); });
    return true;
}

}  // namespace KilnCore
