#include "materials/Base_BRDF.h"

#include "serial/Text.h"

namespace KilnCore {

void Base_BRDF::resetBase() {
    name = std::string(pluginType());
    flag1 = true;
    flag2 = false;
    flag3 = false;
}

bool Base_BRDF::writeBaseRecord(QuickArchive& ar) const {
    ar.writeUInt32(versionWord(4));
    ar.writeWString(name);
    ar.writeBool(flag1);
    ar.writeBool(flag2);
    ar.writeBool(flag3);
    return true;
}

bool Base_BRDF::readBaseRecord(QuickArchive& ar) {
    RecordScope rec(ar, "Base_BRDF");
    resetBase();
    uint16_t version = 0;
    bool ok = rec.readVersion(version, 1, 4);
    if (ok) {
        ar.readWString(name);
        rec.note("name", name);
        if (version >= 2) ar.readBool(flag1);
        if (version >= 3) ar.readBool(flag2);
        if (version >= 4) ar.readBool(flag3);
    }
    name = removeControlChars(name);
    return ok;
}

}  // namespace KilnCore
