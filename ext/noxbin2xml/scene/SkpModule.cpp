#include "scene/SkpModule.h"

#include <array>

#include "lights/SunLight.h"
#include "materials/SceneMaterials.h"
#include "serial/AssetXmlWriter.h"
#include "serial/RecordScope.h"
#include "textures/SkyTexture.h"

using namespace KilnCore;

namespace {

SkpModule::UpgradeHook installedUpgradeHook = nullptr;

// One object of a scene record, read into the scene state.
struct SceneRead {
    const char* what;
    bool (*read)(SkpModule&, RecordScope&);
};

bool readOptions(SkpModule& module, RecordScope& rec) {
    return module.options().deserialize(rec.archive());
}

bool readMaterialLibrary(SkpModule&, RecordScope& rec) {
    return SceneMaterials::instance().deserialize(rec.archive());
}

// A scene record may change every setting of the default sun but never its
// identity, which skies and lights of the current plug-in refer to.
template <class Read>
bool keepingSunIdentity(Read read) {
    SunLight& sun = *defaultSun();
    const std::string guid = sun.sunGuid;
    const std::string name = sun.sunName;
    const bool ok = read();
    sun.sunGuid = guid;
    sun.sunName = name;
    return ok;
}

bool readDefaultSun(SkpModule&, RecordScope& rec) {
    return keepingSunIdentity([&] { return defaultSun()->deserialize(rec.archive()); });
}

// The sky's record is consumed, not kept; a version-3 sky carries a copy of
// the default sun, which it reads into the default sun itself.
bool readSky(SkpModule&, RecordScope& rec) {
    return keepingSunIdentity([&] { return std::make_shared<SkyTexture>()->deserialize(rec.archive()); });
}

constexpr SceneRead kOptions{"options", readOptions};
constexpr SceneRead kLibrary{"material library", readMaterialLibrary};
constexpr SceneRead kSun{"default sun", readDefaultSun};
constexpr SceneRead kSky{"sky", readSky};

struct SceneKind {
    std::array<SceneRead, 4> reads;  // in record order, ending at the first empty entry
    bool upgrades;                   // an old scene: run the upgrade after reading it
};

// Indexed by scene kind - 1.
const SceneKind kSceneKinds[] = {
    {{kOptions}, true},
    {{kOptions, kLibrary}, true},
    {{kOptions, kLibrary, kSun}, true},
    {{kOptions, kLibrary, kSun, kSky}, true},
    {{kOptions, kLibrary}, true},
    {{kOptions, kLibrary}, false},
};
constexpr uint16_t kSceneKindCount = std::size(kSceneKinds);

}  // namespace

SkpModule& SkpModule::instance() {
    static SkpModule* module = new SkpModule();  // never destroyed
    return *module;
}

void SkpModule::setUpgradeHook(UpgradeHook hook) { installedUpgradeHook = hook; }

SkpModule::UpgradeHook SkpModule::upgradeHook() { return installedUpgradeHook; }

bool SkpModule::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "SkpModule");
    const uint32_t word = rec.readVersionWord();
    options_.reset();
    const uint16_t kind = recordVersion(word);
    if (!rec.acceptIf(word, kind >= 1 && kind <= kSceneKindCount, "scene kinds 1..6")) return false;
    const SceneKind& scene = kSceneKinds[kind - 1];
    for (const SceneRead& object : scene.reads) {
        if (!object.read) break;
        const uint64_t at = archive.readPos();
        if (!object.read(*this, rec)) {
            rec.markChildFailed(at);
            return rec.failAt(at, std::string(object.what) + " failed");
        }
    }
    if (scene.upgrades && installedUpgradeHook) installedUpgradeHook();
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
