#include "scene/SkpModule.h"

#include <array>

#include "lights/BaseLight.h"
#include "lights/LightConversion.h"
#include "lights/SunLight.h"
#include "materials/BaseMaterial.h"
#include "materials/MaterialConversion.h"
#include "materials/SceneMaterials.h"
#include "options/AllOptions.h"
#include "serial/AssetXmlWriter.h"
#include "serial/InUse.h"
#include "serial/ReadTrace.h"
#include "serial/RecordScope.h"
#include "textures/SkyTexture.h"

using namespace KilnCore;

struct SkpModule::State {
    AllOptions options;
    SceneMaterials library;
    DefaultSun sun;
    uint16_t kind = 0;  // of the last scene record read
};

namespace {

SkpModule::UpgradeHook installedUpgradeHook = nullptr;

// One object of a scene record, read into the scene state.
struct SceneRead {
    const char* what;
    bool (*read)(SkpModule&, RecordScope&);
    // What the summary says of it; none: the number of materials.
    const char* told;
};

bool readOptions(SkpModule& module, RecordScope& rec) { return module.options().deserialize(rec.archive()); }

bool readMaterialLibrary(SkpModule& module, RecordScope& rec) {
    return module.library().deserialize(rec.archive());
}

// A scene record may change every setting of the default sun but never its
// identity, which skies and lights of the current plug-in refer to.
template <class Read>
bool keepingSunIdentity(SunLight& sun, Read read) {
    const std::string guid = sun.sunGuid;
    const std::string name = sun.sunName;
    const bool ok = read();
    sun.sunGuid = guid;
    sun.sunName = name;
    return ok;
}

bool readDefaultSun(SkpModule& module, RecordScope& rec) {
    SunLight& sun = *module.defaultSun();
    return keepingSunIdentity(sun, [&] { return sun.deserialize(rec.archive()); });
}

// The sky's record is consumed, not kept; a version-3 sky carries a copy of
// the default sun, which it reads into the default sun itself.
bool readSky(SkpModule& module, RecordScope& rec) {
    return keepingSunIdentity(*module.defaultSun(),
                              [&] { return std::make_shared<SkyTexture>()->deserialize(rec.archive()); });
}

constexpr SceneRead kOptions{"options", readOptions, "options"};
constexpr SceneRead kLibrary{"material library", readMaterialLibrary, nullptr};
constexpr SceneRead kSun{"default sun", readDefaultSun, "default sun"};
constexpr SceneRead kSky{"sky", readSky, "sky"};

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

const SceneKind* sceneKind(uint16_t kind) {
    return kind >= 1 && kind <= kSceneKindCount ? &kSceneKinds[kind - 1] : nullptr;
}

// The failure of a read that reported to `trace`.
std::string failureOf(const ReadTrace& trace, const std::string& withoutRecords) {
    if (trace.records().empty()) return withoutRecords + '\n';
    const std::string chain = trace.failureText();
    return chain.empty() ? "the record does not read\n" : chain;
}

// Attaches a trace to an archive while it lives.
class TraceAttached {
public:
    TraceAttached(QuickArchive& archive, ReadTrace* trace) : archive_(archive) { archive_.setTrace(trace); }
    ~TraceAttached() { archive_.setTrace(nullptr); }
    TraceAttached(const TraceAttached&) = delete;
    TraceAttached& operator=(const TraceAttached&) = delete;

private:
    QuickArchive& archive_;
};

}  // namespace

SkpModule& SkpModule::instance() {
    static SkpModule* module = [] {
        auto* created = new SkpModule();  // never destroyed
        InUse<SceneMaterials>::setProcessWide(created->state_->library);
        InUse<DefaultSun>::setProcessWide(created->state_->sun);
        return created;
    }();
    return *module;
}

SkpModule::SkpModule() : state_(std::make_unique<State>()) {}

SkpModule::~SkpModule() = default;

void SkpModule::reset() {
    state_->options.reset();
    state_->library.clear();
    state_->sun.reset();
    state_->kind = 0;
}

AllOptions& SkpModule::options() { return state_->options; }

SceneMaterials& SkpModule::library() { return state_->library; }

const std::shared_ptr<SunLight>& SkpModule::defaultSun() { return state_->sun.sun; }

void SkpModule::setUpgradeHook(UpgradeHook hook) { installedUpgradeHook = hook; }

SkpModule::UpgradeHook SkpModule::upgradeHook() { return installedUpgradeHook; }

template <class Work>
auto SkpModule::inUse(Work work) {
    const InUse<SceneMaterials> library(state_->library);
    const InUse<DefaultSun> sun(state_->sun);
    return work();
}

// The document `write` writes (true when it could) with the state in use,
// or the reason a writer gave it up.
template <class Write>
SkpModule::Result SkpModule::written(Write write) {
    const KilnCore::DocumentLimitWatch limit;
    Result result;
    result.ok = inUse([&] { return write(result.document); });
    if (limit.passed()) result = {false, {}, limit.failure() + '\n', true};
    return result;
}

template <class Read>
SkpModule::Result SkpModule::answer(QuickArchive& archive, ReadTrace* trace, const std::string& withoutRecords,
                                    Read read) {
    Result result;
    {
        const TraceAttached attached(archive, trace);
        result = written(read);
    }
    if (result.ok || !result.failure.empty()) return result;
    ReadTrace own;
    if (!trace) {
        archive.setReadPos(0);
        const TraceAttached attached(archive, &own);
        std::string ignored;
        inUse([&] { return read(ignored); });
    }
    result.failure = failureOf(trace ? *trace : own, withoutRecords);
    return result;
}

bool SkpModule::readKind(QuickArchive& archive) {
    RecordScope rec(archive, "SkpModule");
    const uint32_t word = rec.readVersionWord();
    state_->options.reset();
    state_->kind = recordVersion(word);
    const SceneKind* scene = sceneKind(state_->kind);
    if (!rec.acceptIf(word, scene != nullptr, "scene kinds 1..6")) return false;
    for (const SceneRead& object : scene->reads) {
        if (!object.read) break;
        const uint64_t at = archive.readPos();
        if (!object.read(*this, rec)) {
            rec.markChildFailed(at);
            return rec.failAt(at, std::string(object.what) + " failed");
        }
    }
    return true;
}

bool SkpModule::deserialize(QuickArchive& archive) {
    return inUse([&] { return readKind(archive); });
}

SkpModule::Result SkpModule::readScene(QuickArchive& archive, ReadTrace* trace) {
    bool upgrades = false;
    Result result = answer(archive, trace, "the record does not read", [&](std::string&) {
        const bool ok = readKind(archive);
        upgrades = ok && sceneKind(state_->kind)->upgrades;
        return ok;
    });
    if (result.ok && upgrades && installedUpgradeHook) inUse([] { installedUpgradeHook(); });
    return result;
}

SkpModule::Result SkpModule::convertLight(QuickArchive& archive, int32_t type, ReadTrace* trace) {
    return answer(archive, trace, unknownType<BaseLight>(type),
                  [&](std::string& xml) { return convertLightRecord(archive, type, xml); });
}

SkpModule::Result SkpModule::convertMaterial(QuickArchive& archive, int32_t type, ReadTrace* trace) {
    return answer(archive, trace, unknownType<BaseMaterial>(type),
                  [&](std::string& xml) { return convertMaterialRecord(archive, type, xml); });
}

bool SkpModule::knowsLightType(int32_t type) { return createLight(type) != nullptr; }

bool SkpModule::knowsMaterialType(int32_t type) { return createMaterial(type) != nullptr; }

SkpModule::Result SkpModule::optionsXml() {
    return written([&](std::string& text) {
        KilnCore::appendDocument(text, [&](AssetXmlWriter& writer) {
            writer.beginElement("Assets");
            state_->options.writeXML(writer, "");
            writer.endElement("Assets");
        });
        return true;
    });
}

std::vector<std::string> SkpModule::materialNames() {
    std::vector<std::string> names;
    state_->library.listNames(names);
    return names;
}

SkpModule::Result SkpModule::materialXml(const std::string& name) {
    return written([&](std::string& text) {
        text = materialDocument(state_->library.getMaterial(name));
        return true;
    });
}

std::string SkpModule::summary() {
    const SceneKind* scene = sceneKind(state_->kind);
    std::string text = "scene kind " + std::to_string(state_->kind) + " (";
    const size_t materials = materialNames().size();
    for (size_t i = 0; scene && i < scene->reads.size() && scene->reads[i].read; ++i) {
        if (i) text += ", ";
        const char* told = scene->reads[i].told;
        text += told ? told : std::to_string(materials) + (materials == 1 ? " material" : " materials");
    }
    return text + ")";
}
