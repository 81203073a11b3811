#include "materials/BaseMaterial.h"

#include "materials/SceneMaterials.h"
#include "serial/Text.h"

namespace KilnCore {
namespace {

std::string freeDefaultName() { return SceneMaterials::instance().uniqueName(BaseMaterial::kDefaultName); }

}  // namespace

BaseMaterial::BaseMaterial() : name(freeDefaultName()) {}

BaseMaterial::BaseMaterial(const BaseMaterial& other) : name(other.name) {}

BaseMaterial& BaseMaterial::operator=(const BaseMaterial& other) {
    name = other.name;
    return *this;
}

void BaseMaterial::resetBase() {
    name = freeDefaultName();
    uuid.clear();
}

bool BaseMaterial::writeBaseRecord(QuickArchive& ar) const {
    ar.writeUInt32(versionWord(2));
    ar.writeWString(name);
    ar.writeWString(uuid);
    return true;
}

bool BaseMaterial::readBaseRecord(QuickArchive& ar) {
    RecordScope rec(ar, "BaseMaterial");
    uint16_t version = 0;
    const bool ok = rec.readVersion(version, 1, 2);
    if (ok) {
        ar.readWString(name);
        if (version == 2) ar.readWString(uuid);
        if (name.empty()) name = freeDefaultName();
        rec.note("name", name);
    }
    name = removeControlChars(name);
    return ok;
}

void BaseMaterial::readInlineName(RecordScope& rec, bool makeUnique) {
    std::string inlineName;
    rec.archive().readWString(inlineName);
    if (makeUnique) {
        if (inlineName.empty()) inlineName = kDefaultName;
        inlineName = SceneMaterials::instance().uniqueName(inlineName);
    }
    name = std::move(inlineName);
    rec.note("name", name);
}

}  // namespace KilnCore
