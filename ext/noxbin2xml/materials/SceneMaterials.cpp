#include "materials/SceneMaterials.h"

#include "materials/BaseMaterial.h"
#include "serial/AssetXmlWriter.h"
#include "serial/RecordScope.h"
#include "serial/Uuid.h"

namespace KilnCore {

SceneMaterials& SceneMaterials::instance() {
    static SceneMaterials* library = new SceneMaterials();  // never destroyed
    return *library;
}

std::string SceneMaterials::uniqueName(std::string_view wanted) const {
    size_t end = wanted.size();
    while (end > 0 && wanted[end - 1] >= '0' && wanted[end - 1] <= '9') --end;
    const std::string base(wanted.substr(0, end));
    std::string candidate = base;
    for (unsigned counter = 1; !isNameFree(candidate); ++counter) candidate = base + std::to_string(counter);
    return candidate;
}

SceneMaterials::MaterialRef SceneMaterials::getMaterial(std::string_view name) const {
    const auto it = materials_.find(std::string(name));
    return it == materials_.end() ? nullptr : it->second;
}

SceneMaterials::MaterialRef SceneMaterials::getMaterialByUuid(std::string_view id) const {
    const auto it = uuids_.find(std::string(id));
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
    return materials_.find(std::string(name)) == materials_.end();
}

bool SceneMaterials::addMaterial(const MaterialRef& material) {
    if (!material || material->name.empty()) return false;
    if (!materials_.emplace(material->name, material).second) return false;
    uuids_.emplace(material->uuid.empty() ? newUuid() : material->uuid, material->name);
    return true;
}

bool SceneMaterials::replaceMaterial(std::string_view oldName, const MaterialRef& material) {
    if (!material) return false;
    const std::string newName = material->name;
    const bool renamed = !equalsNoCase(newName, oldName);
    if (renamed && !isNameFree(newName)) return false;
    const auto old = materials_.find(std::string(oldName));
    if (old == materials_.end()) return false;
    materials_.erase(old);
    if (!materials_.emplace(newName, material).second) return false;
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

void SceneMaterials::clear() {
    materials_.clear();
    uuids_.clear();
}

bool SceneMaterials::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(2));
    ar.writeUInt32(static_cast<uint32_t>(materials_.size()));
    for (auto& entry : materials_)
        if (!writeChild(ar, entry.second)) return false;
    ar.writeUInt32(static_cast<uint32_t>(uuids_.size()));
    for (const auto& entry : uuids_) {
        ar.writeWString(entry.first);
        ar.writeWString(entry.second);
    }
    return true;
}

// Version 1 files each material through addMaterial (a taken name leaves the
// material out, a missing identifier gets a new one); version 2 files them
// as they are and reads the identifier index after them.
bool SceneMaterials::readMaterials(RecordScope& rec, bool fileWithIdentifiers) {
    QuickArchive& ar = rec.archive();
    uint32_t count = 0;
    ar.readUInt32(count);
    rec.note("count", std::to_string(count));
    for (uint32_t i = 0; i < count && !ar.exhausted(); ++i) {
        MaterialRef material;
        if (!readChild(rec, material)) return false;
        if (fileWithIdentifiers)
            addMaterial(material);
        else
            materials_.emplace(material->name, material);
    }
    return true;
}

bool SceneMaterials::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "SceneMaterials");
    clear();
    uint16_t version = 0;
    if (!rec.readVersion(version, 1, 2)) return false;
    if (!readMaterials(rec, version == 1)) return false;
    if (version == 1) return true;
    uint32_t count = 0;
    ar.readUInt32(count);
    for (uint32_t i = 0; i < count && !ar.exhausted(); ++i) {
        std::string id, name;
        ar.readWString(id);
        ar.readWString(name);
        uuids_.emplace(std::move(id), std::move(name));
    }
    return true;
}

void SceneMaterials::writeAllXML(AssetXmlWriter& writer) {
    for (auto& entry : materials_) entry.second->writeXML(writer, "");
}

}  // namespace KilnCore
