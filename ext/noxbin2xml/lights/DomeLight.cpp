#include "lights/DomeLight.h"

#include "serial/RecordScope.h"

namespace KilnCore {

bool DomeLight::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(1));
    return true;
}

bool DomeLight::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "DomeLight");
    return true;
}

}  // namespace KilnCore
