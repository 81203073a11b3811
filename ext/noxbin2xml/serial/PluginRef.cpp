#include "serial/PluginRef.h"

#include "lights/BaseLight.h"
#include "materials/BaseMaterial.h"
#include "options/BaseCamera.h"
#include "serial/AssetXmlWriter.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

bool appendPluginReference(std::string& out, const PluginRef& ref, std::string_view baseUrl) {
    return std::visit(
        [&](const auto& object) {
            if (!object) return false;
            appendEscapedXml(out, baseUrl);
            using Held = typename std::decay_t<decltype(object)>::element_type;
            if constexpr (std::is_same_v<Held, BaseMaterial>) {
                out += '/';
                out += object->name;
            } else if constexpr (std::is_same_v<Held, BaseLight>) {
                // A sun is written once per document; its reference is the
                // URL it was written under, which the owner passes as base.
                if (object->typeId() != BaseLight::kSunLightTypeId) {
                    out += '/';
                    out += object->pluginType();
                }
            } else {
                out += '/';
                out += object->pluginType();
            }
            return true;
        },
        ref);
}

}  // namespace KilnCore
