// The scene converter: the one way to read a scene record and convert light
// and material records, and the owner of the state a scene keeps between
// calls (the render options, the material library, the default sun). It
// does not depend on Ruby; the Ruby layer installs the hook that runs the
// scene upgrade after an old scene.
//
// The module functions work on one process-wide converter (instance()); the
// command-line tool takes a fresh one per input. Each call puts the
// converter's library and default sun in use for the objects it reads and
// writes (serial/InUse.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "serial/Serializable.h"

namespace KilnCore {
class AllOptions;
class BaseMaterial;
class ReadTrace;
class SceneMaterials;
class SunLight;
template <class C>
struct RecordLayout;
}  // namespace KilnCore

class SkpModule : public KilnCore::TessarSerializable {
public:
    using UpgradeHook = void (*)();

    // What a call answers: its document, or why there is none: a line per
    // failed record from the outermost (what `noxbin2xml explain` prints
    // first), or one line when no record was read ("unknown light type 1")
    // or the document was given up ("document would exceed 256 MB").
    struct Result {
        bool ok = false;
        std::string document;
        std::string failure;
        bool gaveUp = false;  // the document passed its size limit
    };

    // The module functions' converter: created on first use, never
    // destroyed, and its state in use outside the calls of any other.
    static SkpModule& instance();

    // A scene as a freshly loaded module has it.
    SkpModule();
    ~SkpModule() override;
    SkpModule(const SkpModule&) = delete;
    SkpModule& operator=(const SkpModule&) = delete;

    // Back to default options, an empty library and the default sun at its
    // defaults.
    void reset();

    // With a trace the read reports to it; without one a read that fails is
    // read once more from the archive's start with a trace of its own, for
    // the failure's chain (a successful read pays nothing).
    // readScene reads a scene record into the state (the options back at
    // their defaults first, the library and the default sun by scene kind)
    // and runs the upgrade hook after an old scene; no document.
    Result readScene(KilnCore::QuickArchive& archive, KilnCore::ReadTrace* trace = nullptr);
    // What convert_light / convert_material return: the light's assets, the
    // material document.
    Result convertLight(KilnCore::QuickArchive& archive, int32_t type, KilnCore::ReadTrace* trace = nullptr);
    Result convertMaterial(KilnCore::QuickArchive& archive, int32_t type, KilnCore::ReadTrace* trace = nullptr);
    // Why there is no light (material) of a type: "unknown light type 9";
    // empty when the converter has one.
    static std::string unknownLightType(int32_t type);
    static std::string unknownMaterialType(int32_t type);

    // The options document: an "Assets" element holding the settings groups.
    Result optionsXml();
    // The library's material names in library order, and the material
    // document of one of them.
    std::vector<std::string> materialNames();
    Result materialXml(const std::string& name);
    // A library material by name (ignoring case); null when none.
    std::shared_ptr<KilnCore::BaseMaterial> material(const std::string& name);
    bool isMaterialNameFree(const std::string& name);
    // Files the material `oldName` names under `newName` instead; false (and
    // nothing changed) when the new name is taken.
    bool renameMaterial(const std::string& oldName, const std::string& newName);
    // What the last scene read holds: "scene kind 4 (options, 3 materials,
    // default sun, sky)".
    std::string summary();

    // The scene state is never written back in binary form.
    bool serialize(KilnCore::QuickArchive&) override { return false; }
    // Reads a scene record as readScene does, without the upgrade and the
    // failure's text.
    bool deserialize(KilnCore::QuickArchive& archive) override;

    KilnCore::AllOptions& options();
    KilnCore::SceneMaterials& library();
    const std::shared_ptr<KilnCore::SunLight>& defaultSun();

    // Called after a successful readScene of scene kinds 1 to 5.
    static void setUpgradeHook(UpgradeHook hook);
    static UpgradeHook upgradeHook();

private:
    struct State;
    template <class Work>
    auto inUse(Work work);
    template <class Write>
    Result written(Write write);
    template <class Read>
    Result answer(KilnCore::QuickArchive& archive, KilnCore::ReadTrace* trace, const std::string& withoutRecords,
                  Read read);
    static const KilnCore::RecordLayout<SkpModule>& sceneRecord();
    bool readKind(KilnCore::QuickArchive& archive);

    std::unique_ptr<State> state_;
};
