// The scene's material library: every material filed under its name, an
// index from identifiers to names, and the rule that hands out free names.
// Names compare without regard to case.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "serial/Serializable.h"
#include "serial/Text.h"

class AssetXmlWriter;

namespace KilnCore {

class BaseMaterial;
template <class C>
struct RecordLayout;

class SceneMaterials : public TessarSerializable {
public:
    using MaterialRef = std::shared_ptr<BaseMaterial>;

    SceneMaterials() = default;

    // The wanted name without its trailing digits, followed by the smallest
    // counter (none, 1, 2, ...) that makes it free. The library is unchanged.
    std::string uniqueName(std::string_view wanted) const;
    MaterialRef getMaterial(std::string_view name) const;
    MaterialRef getMaterialByUuid(std::string_view id) const;
    // The first identifier, in key order, filed for the name; empty if none.
    std::string getUuidByName(std::string_view name) const;
    bool isNameFree(std::string_view name) const;
    // Files a named material under a name not yet taken, and its identifier
    // (or a new one) under that name.
    bool addMaterial(const MaterialRef& material);
    // Files the material in place of oldName; its identifier entry follows
    // the new name.
    bool replaceMaterial(std::string_view oldName, const MaterialRef& material);
    void listNames(std::vector<std::string>& names) const;
    // Empty, with nothing learnt of names.
    void reset();

    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    // Every material writes its own assets, in name order.
    void writeAllXML(AssetXmlWriter& writer);

private:
    using Identifier = std::pair<std::string, std::string>;  // an identifier and its material's name

    static const RecordLayout<SceneMaterials>& layout();
    // How a version 2 record's materials enter the library (see layout()).
    void fileRead(const MaterialRef& material);
    void addIdentifier(const Identifier& entry) { uuids_.insert(entry); }
    std::vector<MaterialRef> materialList() const;
    std::vector<Identifier> identifierList() const { return {uuids_.begin(), uuids_.end()}; }
    // Every name enters the library here; false when it is taken.
    bool file(const std::string& name, const MaterialRef& material);
    std::map<std::string, std::string, NoCaseLess>::iterator uuidEntryForName(std::string_view name);

    std::map<std::string, MaterialRef, NoCaseLess> materials_;
    std::map<std::string, std::string, NoCaseLess> uuids_;  // identifier -> material name
    // What uniqueName learnt about one base name: the base and base1 ..
    // base(next-1) are all filed, and base+next was free when last probed
    // unless nextIsFree has been cleared by filing it since. Names only ever
    // leave the library through clear and replaceMaterial, which forget all.
    struct NameHint {
        unsigned next = 0;
        bool nextIsFree = false;
    };
    mutable std::map<std::string, NameHint, NoCaseLess> nameHints_;
};

// The library material names and references consult: the one of the scene
// at work (serial/InUse.h).
SceneMaterials& libraryInUse();

}  // namespace KilnCore
