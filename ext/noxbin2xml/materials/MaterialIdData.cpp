#include "materials/MaterialIdData.h"

#include "serial/RecordScope.h"

namespace KilnCore {

bool MaterialIdData::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    ar.writeInt32(kind);
    if (hasText())
        ar.writeWString(textId);
    else if (kind == kNumberKind)
        ar.writeInt32(numberId);
    else
        return false;
    return true;
}

bool MaterialIdData::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "MaterialIdData");
    uint16_t version = 0;
    if (!rec.readVersion(version, 1, 1)) return false;
    const uint64_t at = ar.readPos();
    ar.readInt32(kind);
    if (hasText())
        ar.readWString(textId);
    else if (kind == kNumberKind)
        ar.readInt32(numberId);
    else
        return rec.fail("identifier kind " + std::to_string(kind) + " unknown");
    rec.traceField("identifier", hasText() ? "text" : "int32", at,
                   [&] { return hasText() ? '"' + textId + '"' : std::to_string(numberId); });
    return true;
}

}  // namespace KilnCore
