#include "options/TessarKFBStampInfo.h"

#include "serial/RecordScope.h"

namespace KilnCore {

bool TessarKFBStampInfo::serialize(QuickArchive& archive) {
    archive.writeUInt32(versionWord(kVersion));
    archive.writeInt32(stampOn);
    archive.writeInt32(word1);
    archive.writeInt32(word2);
    archive.writeWString(text);
    archive.writeByteArray(font.data(), kFontSize);
    return true;
}

bool TessarKFBStampInfo::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "TessarKFBStampInfo");
    reset();
    uint16_t version;
    if (!rec.readVersion(version, 1, kVersion)) return false;
    archive.readInt32(stampOn);
    archive.readInt32(word1);
    archive.readInt32(word2);
    archive.readWString(text);
    // Version 1 stored the font without its count.
    if (version >= 2)
        archive.readByteArray(font.data(), kFontSize, false);
    else
        archive.readBytes(font.data(), kFontSize);
    return true;
}

}  // namespace KilnCore
