#include "materials/BaseMaterial.h"

#include "materials/SceneMaterials.h"
#include "serial/Fields.h"
#include "serial/Text.h"

namespace KilnCore {
namespace {

std::string freeDefaultName() { return libraryInUse().uniqueName(BaseMaterial::kDefaultName); }

using M = BaseMaterial;

const RecordLayout<M>& baseRecord() {
    static const RecordLayout<M> layout = [] {
        RecordLayout<M> layout =
            RecordLayout<M>::since("BaseMaterial", 1, 2, {{"name", &M::name}, Field<M>("uuid", &M::uuid).addedIn(2)});
        layout.reset = Reset::Keep;
        return layout;
    }();
    return layout;
}

}  // namespace

BaseMaterial::BaseMaterial() : name(kDefaultName) {}

BaseMaterial::BaseMaterial(const BaseMaterial& other) : name(other.name) {}

void BaseMaterial::resetBase() {
    name = freeDefaultName();
    uuid.clear();
}

bool BaseMaterial::readBase(RecordScope& owner, std::string*) {
    const uint64_t at = owner.archive().readPos();
    const bool ok = readRecord(*this, owner.archive(), baseRecord());
    if (ok && name.empty()) name = freeDefaultName();
    name = removeControlChars(name);
    if (!ok) owner.failPart(at, "base record failed");
    return true;
}

bool BaseMaterial::writeBase(QuickArchive& ar) { return writeRecord(*this, ar, baseRecord()); }

bool BaseMaterial::readKeptName(RecordScope& owner, std::string* text) {
    owner.archive().readWString(name);
    if (text) Codec<std::string>::text(*text, name);
    return true;
}

bool BaseMaterial::readUniqueName(RecordScope& owner, std::string* text) {
    std::string wanted;
    owner.archive().readWString(wanted);
    name = libraryInUse().uniqueName(wanted.empty() ? kDefaultName : wanted);
    if (text) Codec<std::string>::text(*text, name);
    return true;
}

bool BaseMaterial::writeName(QuickArchive& ar) {
    ar.writeWString(name);
    return true;
}

}  // namespace KilnCore
