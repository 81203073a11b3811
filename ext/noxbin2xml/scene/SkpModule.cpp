#include "scene/SkpModule.h"

#include <vector>

#include "lights/BaseLight.h"
#include "lights/LightConversion.h"
#include "lights/SunLight.h"
#include "materials/BaseMaterial.h"
#include "materials/MaterialConversion.h"
#include "materials/SceneMaterials.h"
#include "options/AllOptions.h"
#include "serial/AssetXmlWriter.h"
#include "serial/Fields.h"
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

bool readOptions(SkpModule& module, QuickArchive& archive) { return module.options().deserialize(archive); }

bool readMaterialLibrary(SkpModule& module, QuickArchive& archive) { return module.library().deserialize(archive); }

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

bool readDefaultSun(SkpModule& module, QuickArchive& archive) {
    SunLight& sun = *module.defaultSun();
    return keepingSunIdentity(sun, [&] { return sun.deserialize(archive); });
}

// The sky's record is consumed, not kept; a version-3 sky carries a copy of
// the default sun, which it reads into the default sun itself.
bool readSky(SkpModule& module, QuickArchive& archive) {
    return keepingSunIdentity(*module.defaultSun(), [&] { return std::make_shared<SkyTexture>()->deserialize(archive); });
}

// One object of a scene record, read into the scene state: a step of the
// scene record that names the object when it fails.
template <bool (*Read)(SkpModule&, QuickArchive&), const char* What>
bool readPart(SkpModule& module, RecordScope& rec, std::string*) {
    const uint64_t at = rec.archive().readPos();
    if (Read(module, rec.archive())) return true;
    rec.markChildFailed(at);
    return rec.failAt(at, std::string(What) + " failed");
}

bool notWritten(SkpModule&, QuickArchive&) { return false; }

template <bool (*Read)(SkpModule&, QuickArchive&), const char* What>
Field<SkpModule> part() {
    return Field<SkpModule>::step<readPart<Read, What>, notWritten>(What);
}

constexpr char kOptionsName[] = "options";
constexpr char kLibraryName[] = "material library";
constexpr char kSunName[] = "default sun";
constexpr char kSkyName[] = "sky";

enum ScenePart { Options, Library, Sun, Sky };

// What the summary says of each part; none: the number of materials.
constexpr const char* kTold[] = {"options", nullptr, "default sun", "sky"};

struct SceneKind {
    std::vector<ScenePart> parts;  // in record order
    bool upgrades;                 // an old scene: run the upgrade after reading it
};

// Indexed by scene kind - 1.
const SceneKind kSceneKinds[] = {
    {{Options}, true},
    {{Options, Library}, true},
    {{Options, Library, Sun}, true},
    {{Options, Library, Sun, Sky}, true},
    {{Options, Library}, true},
    {{Options, Library}, false},
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
    state_->library.reset();
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

// The scene kind is the record's version: each kind lists the parts it
// holds.
const RecordLayout<SkpModule>& SkpModule::sceneRecord() {
    static const RecordLayout<SkpModule> layout = [] {
        const Field<SkpModule> parts[] = {part<readOptions, kOptionsName>(), part<readMaterialLibrary, kLibraryName>(),
                                          part<readDefaultSun, kSunName>(), part<readSky, kSkyName>()};
        std::vector<FieldList<SkpModule>> kinds;
        for (const SceneKind& kind : kSceneKinds) {
            FieldList<SkpModule>& fields = kinds.emplace_back();
            for (ScenePart held : kind.parts) fields.push_back(parts[held]);
        }
        RecordLayout<SkpModule> layout("SkpModule", 1, std::move(kinds));
        layout.acceptedText = "scene kinds 1..6";
        layout.reset = Reset::Keep;
        layout.finish = [](SkpModule& scene, uint16_t kind) { scene.state_->kind = kind; };
        return layout;
    }();
    return layout;
}

bool SkpModule::readKind(QuickArchive& archive) {
    state_->options.reset();
    return readRecord(*this, archive, sceneRecord());
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

std::string SkpModule::unknownLightType(int32_t type) {
    return createLight(type) ? std::string() : unknownType<BaseLight>(type);
}

std::string SkpModule::unknownMaterialType(int32_t type) {
    return createMaterial(type) ? std::string() : unknownType<BaseMaterial>(type);
}

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

std::shared_ptr<BaseMaterial> SkpModule::material(const std::string& name) {
    return state_->library.getMaterial(name);
}

bool SkpModule::isMaterialNameFree(const std::string& name) { return state_->library.isNameFree(name); }

bool SkpModule::renameMaterial(const std::string& oldName, const std::string& newName) {
    const std::shared_ptr<BaseMaterial> renamed = material(oldName);
    if (!renamed) return false;
    renamed->name = newName;
    if (state_->library.replaceMaterial(oldName, renamed)) return true;
    renamed->name = oldName;
    return false;
}

std::string SkpModule::summary() {
    const SceneKind* scene = sceneKind(state_->kind);
    std::string text = "scene kind " + std::to_string(state_->kind) + " (";
    const size_t materials = materialNames().size();
    for (size_t i = 0; scene && i < scene->parts.size(); ++i) {
        if (i) text += ", ";
        const char* told = kTold[scene->parts[i]];
        text += told ? told : std::to_string(materials) + (materials == 1 ? " material" : " materials");
    }
    return text + ")";
}
