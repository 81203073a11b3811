#include "textures/BitmapBuffer.h"

#include "serial/Text.h"
#include "textures/TextureXml.h"

namespace KilnCore {

bool BitmapBuffer::isEqual(const std::shared_ptr<BaseBitmap>& other) const {
    const auto* o = dynamic_cast<const BitmapBuffer*>(other.get());
    return o && equalsNoCase(file, o->file) && filter_blur == o->filter_blur && filter_type == o->filter_type &&
           gamma == o->gamma;
}

bool BitmapBuffer::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeInt32(filter_type);
    ar.writeFloat(filter_blur);
    ar.writeFloat(gamma);
    ar.writeWString(file);
    return true;
}

bool BitmapBuffer::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "BitmapBuffer");
    uint16_t version;
    if (!rec.readVersion(version, 1, 1)) return false;
    ar.readInt32(filter_type);
    ar.readFloat(filter_blur);
    ar.readFloat(gamma);
    ar.readWString(file);
    rec.note("file", file);
    return true;
}

void BitmapBuffer::writeXML(AssetXmlWriter& w, const std::string& parentUrl) {
    writeTextureAsset(w, joinUrl(parentUrl, pluginType()), *this, [&] {
        w.writeIntParam("filter_type", filter_type);
        w.writeFloatParam("filter_blur", filter_blur);
        w.writeFloatParam("gamma", gamma);
        w.writeFileParam("file", file);
    });
}

}  // namespace KilnCore
