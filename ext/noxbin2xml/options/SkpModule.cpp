#include "options/SkpModule.h"

#include <array>

#include "serial/AssetXmlWriter.h"
#include "serial/RecordScope.h"

using namespace KilnCore;

namespace {

SkpModule::UpgradeHook upgradeHook = nullptr;

// One object of a scene record, read into the scene state.
using SceneRead = bool (*)(SkpModule&, RecordScope&);

bool readOptions(SkpModule& module, RecordScope& rec) {
    return module.options().deserialize(rec.archive());
}

bool readMaterialLibrary(SkpModule&, RecordScope& rec) {
    return rec.fail("the scene material library is not read yet");
}

bool readDefaultSun(SkpModule&, RecordScope& rec) { return rec.fail("the default sun is not read yet"); }

bool readSky(SkpModule&, RecordScope& rec) { return rec.fail("the sky is not read yet"); }

struct SceneKind {
    std::array<SceneRead, 4> reads;  // in record order, ending at the first empty entry
    bool upgrades;                   // an old scene: run the upgrade after reading it
};

// Indexed by scene kind - 1.
const SceneKind kSceneKinds[] = {
    {{readOptions}, true},
    {{readOptions, readMaterialLibrary}, true},
    {{readOptions, readMaterialLibrary, readDefaultSun}, true},
    {{readOptions, readMaterialLibrary, readDefaultSun, readSky}, true},
    {{readOptions, readMaterialLibrary}, true},
    {{readOptions, readMaterialLibrary}, false},
};
constexpr uint16_t kSceneKindCount = std::size(kSceneKinds);

}  // namespace

SkpModule& SkpModule::instance() {
    static SkpModule* module = new SkpModule();  // never destroyed
    return *module;
}

void SkpModule::setUpgradeHook(UpgradeHook hook) { upgradeHook = hook; }

bool SkpModule::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "SkpModule");
    const uint32_t word = rec.readVersionWord();
    options_.reset();
    const uint16_t kind = recordVersion(word);
    if (!rec.acceptIf(word, kind >= 1 && kind <= kSceneKindCount, "scene kinds 1..6")) return false;
    const SceneKind& scene = kSceneKinds[kind - 1];
    for (SceneRead read : scene.reads) {
        if (!read) break;
        const uint64_t at = archive.readPos();
        if (!read(*this, rec)) {
            rec.markChildFailed(at);
            return false;
        }
    }
    if (scene.upgrades && upgradeHook) upgradeHook();
    return true;
}

std::string SkpModule::optionsXml() {
    std::string text;
    AssetXmlWriter writer(text);
    writer.beginElement("Assets");
    options_.writeXML(writer, "");
    writer.endElement("Assets");
    return text;
}
