#include "materials/SceneMaterials.h"

#include "materials/BaseMaterial.h"
#include "serial/AssetXmlWriter.h"
#include "serial/InUse.h"
#include "serial/Fields.h"
#include "serial/Uuid.h"

namespace KilnCore {

SceneMaterials& libraryInUse() { return InUse<SceneMaterials>::get(); }

namespace {

std::string counterText(unsigned counter) { return counter > 0 ? std::to_string(counter) : std::string(); }

}  // namespace

// The library remembers, per base, which counters are taken and whether the
// next one was free when last probed, so handing out the n-th default name
// costs no probe at all instead of n.
std::string SceneMaterials::uniqueName(std::string_view wanted) const {
    const std::string_view base = withoutCounter(wanted);
    auto hint = nameHints_.find(base);
    if (hint == nameHints_.end()) hint = nameHints_.emplace(std::string(base), NameHint{}).first;
    NameHint& h = hint->second;
    std::string candidate = std::string(base) + counterText(h.next);
    if (!h.nextIsFree) {
        while (!isNameFree(candidate)) candidate = std::string(base) + counterText(++h.next);
        h.nextIsFree = true;
    }
    return candidate;
}

// Library records list their materials in map order, so the end is tried
// first as the place of a new name.
bool SceneMaterials::file(const std::string& name, const MaterialRef& material) {
    const size_t before = materials_.size();
    materials_.emplace_hint(materials_.end(), name, material);
    if (materials_.size() == before) return false;
    const size_t end = withoutCounter(name).size();
    const auto hint = nameHints_.find(std::string_view(name).substr(0, end));
    if (hint != nameHints_.end() && name.compare(end, std::string::npos, counterText(hint->second.next)) == 0)
        hint->second.nextIsFree = false;  // the name uniqueName would hand out next is taken now
    return true;
}

SceneMaterials::MaterialRef SceneMaterials::getMaterial(std::string_view name) const {
    const auto it = materials_.find(name);
    return it == materials_.end() ? nullptr : it->second;
}

SceneMaterials::MaterialRef SceneMaterials::getMaterialByUuid(std::string_view id) const {
    const auto it = uuids_.find(id);
    return it == uuids_.end() ? nullptr : getMaterial(it->second);
}

std::map<std::string, std::string, NoCaseLess>::iterator SceneMaterials::uuidEntryForName(std::string_view name) {
    for (auto it = uuids_.begin(); it != uuids_.end(); ++it)
        if (equalsNoCase(it->second, name)) return it;
    return uuids_.end();
}

std::string SceneMaterials::getUuidByName(std::string_view name) const {
    const auto it = const_cast<SceneMaterials*>(this)->uuidEntryForName(name);
    return it == uuids_.end() ? std::string() : it->first;
}

bool SceneMaterials::isNameFree(std::string_view name) const {
    return materials_.find(name) == materials_.end();
}

bool SceneMaterials::addMaterial(const MaterialRef& material) {
    if (!material || material->name.empty()) return false;
    if (!file(material->name, material)) return false;
    uuids_.emplace(material->uuid.empty() ? newUuid() : material->uuid, material->name);
    return true;
}

bool SceneMaterials::replaceMaterial(std::string_view oldName, const MaterialRef& material) {
    if (!material) return false;
    const std::string newName = material->name;
    const bool renamed = !equalsNoCase(newName, oldName);
    if (renamed && !isNameFree(newName)) return false;
    const auto old = materials_.find(oldName);
    if (old == materials_.end()) return false;
    materials_.erase(old);
    nameHints_.clear();  // the old name is free again
    if (!file(newName, material)) return false;
    if (renamed) {
        const auto entry = uuidEntryForName(oldName);
        if (entry != uuids_.end()) entry->second = newName;
    }
    return true;
}

void SceneMaterials::listNames(std::vector<std::string>& names) const {
    names.clear();
    for (const auto& entry : materials_) names.push_back(entry.first);
}

void SceneMaterials::reset() {
    materials_.clear();
    uuids_.clear();
    nameHints_.clear();
}

std::vector<SceneMaterials::MaterialRef> SceneMaterials::materialList() const {
    std::vector<MaterialRef> list;
    for (const auto& entry : materials_) list.push_back(entry.second);
    return list;
}

void SceneMaterials::fileRead(const MaterialRef& material) { file(material->name, material); }

// Version 1 files each material through addMaterial (a taken name leaves the
// material out, a missing identifier gets a new one); version 2 files them
// as they are and reads the identifier index after them. Each material is
// filed as soon as it is read, so the names the next one is given see it.
const RecordLayout<SceneMaterials>& SceneMaterials::layout() {
    using S = SceneMaterials;
    static const RecordLayout<S> layout = [] {
        using Materials = Field<S>;
        RecordLayout<S> layout{
            "SceneMaterials",
            1,
            {{Materials::repeat<MaterialRef, &S::addMaterial, &S::materialList>("materials")},
             {Materials::repeat<MaterialRef, &S::fileRead, &S::materialList>("materials"),
              Field<S>::repeat<Identifier, &S::addIdentifier, &S::identifierList>("identifiers")}}};
        return layout;
    }();
    return layout;
}

bool SceneMaterials::serialize(QuickArchive& ar) { return writeRecord(*this, ar, layout()); }

bool SceneMaterials::deserialize(QuickArchive& ar) { return readRecord(*this, ar, layout()); }

void SceneMaterials::writeAllXML(AssetXmlWriter& writer) {
    for (auto& entry : materials_) entry.second->writeXML(writer, "");
}

}  // namespace KilnCore
