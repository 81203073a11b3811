// The XML frame shared by textures, generators and bitmaps: an object's
// asset is named by its URL, both in the asset element and in the plugin
// element, whose type is the plugin type.
#pragma once

#include <string>
#include <string_view>

#include "serial/AssetXmlWriter.h"
#include "serial/Serializable.h"

namespace KilnCore {

// parent + "/" + name: an object's own URL (name = its plugin type) and the
// URL an owner hands a child (name = the child's name).
inline std::string joinUrl(const std::string& parent, std::string_view name) {
    std::string url = parent;
    url += '/';
    url += name;
    return url;
}

// Writes the asset of `object` under `url`; writeParameters writes the
// parameters in the class's order.
template <class WriteParameters>
void writeTextureAsset(AssetXmlWriter& writer, const std::string& url, const TessarXMLSerializable& object,
                       WriteParameters&& writeParameters) {
    writer.beginAsset(url, object.category(), "");
    writer.beginPlugin(url, object.pluginType());
    writer.beginParameters();
    writeParameters();
    writer.endParameters();
    writer.endPlugin();
    writer.endAsset();
}

}  // namespace KilnCore
