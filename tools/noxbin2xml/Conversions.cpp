#include "Conversions.h"

#include "Explain.h"
#include "lights/LightConversion.h"
#include "lights/SunLight.h"
#include "materials/MaterialConversion.h"
#include "materials/SceneMaterials.h"
#include "options/SkpModule.h"
#include "serial/QuickArchive.h"
#include "serial/ReadTrace.h"

using KilnCore::QuickArchive;
using KilnCore::ReadTrace;

namespace noxbin2xml {
namespace {

// The process-wide objects a read may change, back as the module has them
// when it is loaded.
void resetSharedState() {
    KilnCore::SceneMaterials::instance().clear();
    *KilnCore::defaultSun() =
        KilnCore::SunLight(std::string(KilnCore::kDefaultSunGuid), std::string(KilnCore::kDefaultSunName));
}

bool readRecord(RecordKind kind, int32_t type, QuickArchive& archive, std::string& xml) {
    switch (kind) {
        case RecordKind::Light: return KilnCore::convertLightRecord(archive, type, xml);
        case RecordKind::Material: return KilnCore::convertMaterialRecord(archive, type, xml);
        case RecordKind::Scene: return SkpModule::instance().deserialize(archive);
    }
    return false;
}

std::string failureOf(const ReadTrace& trace, RecordKind kind, int32_t type) {
    std::string text = trace.failureText();
    if (!text.empty()) return text;
    if (trace.records().empty() && kind != RecordKind::Scene)
        return std::string("unknown ") + (kind == RecordKind::Light ? "light" : "material") + " type " +
               std::to_string(type) + "\n";
    return "the record does not convert\n";
}

}  // namespace

Outcome tracedRead(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes, ReadTrace& trace,
                   uint64_t& readEnd) {
    resetSharedState();
    QuickArchive archive(bytes.data(), bytes.size());
    archive.setTrace(&trace);
    Outcome out;
    out.ok = readRecord(kind, type, archive, out.text);
    if (!out.ok) out.error = failureOf(trace, kind, type);
    readEnd = archive.readPos();
    return out;
}

namespace {

// What a scene of each kind holds after its options.
std::string sceneContent(uint16_t kind, size_t materialCount) {
    std::string text = "options";
    if (kind >= 2) text += ", " + std::to_string(materialCount) + (materialCount == 1 ? " material" : " materials");
    if (kind == 3 || kind == 4) text += ", default sun";
    if (kind == 4) text += ", sky";
    return text;
}

}  // namespace

Outcome convertRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes) {
    ReadTrace trace;
    uint64_t readEnd = 0;
    return tracedRead(kind, type, bytes, trace, readEnd);
}

Outcome explainRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes) {
    ReadTrace trace;
    uint64_t readEnd = 0;
    Outcome out = tracedRead(kind, type, bytes, trace, readEnd);
    out.text = explainTree(trace) + overrunNote(bytes.size(), readEnd);
    return out;
}

SceneOutcome convertScene(const std::vector<uint8_t>& bytes) {
    return sceneDocuments(bytes, convertRecord(RecordKind::Scene, 0, bytes));
}

SceneOutcome sceneDocuments(const std::vector<uint8_t>& bytes, const Outcome& read) {
    SceneOutcome out;
    out.ok = read.ok;
    out.error = read.error;
    if (!out.ok) return out;
    out.optionsXml = SkpModule::instance().optionsXml();
    KilnCore::SceneMaterials& library = KilnCore::SceneMaterials::instance();
    std::vector<std::string> names;
    library.listNames(names);
    for (const std::string& name : names)
        out.materials.emplace_back(name, KilnCore::materialDocument(library.getMaterial(name)));
    const uint16_t kind = static_cast<uint16_t>(bytes[2] | (bytes[3] << 8));  // a read scene has its kind word
    out.summary = "scene kind " + std::to_string(kind) + " (" + sceneContent(kind, names.size()) + ")";
    return out;
}

}  // namespace noxbin2xml
