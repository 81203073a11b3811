#include "Conversions.h"

#include "lights/LightConversion.h"
#include "materials/MaterialConversion.h"
#include "materials/SceneMaterials.h"
#include "options/SkpModule.h"
#include "serial/QuickArchive.h"
#include "serial/ReadTrace.h"

using KilnCore::QuickArchive;
using KilnCore::ReadTrace;

namespace noxbin2xml {
namespace {

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

Outcome convertRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes) {
    QuickArchive archive(bytes.data(), bytes.size());
    ReadTrace trace;
    archive.setTrace(&trace);
    Outcome out;
    out.ok = readRecord(kind, type, archive, out.text);
    if (!out.ok) out.error = failureOf(trace, kind, type);
    return out;
}

Outcome explainRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes) {
    QuickArchive archive(bytes.data(), bytes.size());
    ReadTrace trace;
    archive.setTrace(&trace);
    std::string xml;
    Outcome out;
    out.ok = readRecord(kind, type, archive, xml);
    if (!out.ok) out.error = failureOf(trace, kind, type);
    out.text = trace.treeText();
    return out;
}

SceneOutcome convertScene(const std::vector<uint8_t>& bytes) {
    SceneOutcome out;
    Outcome read = convertRecord(RecordKind::Scene, 0, bytes);
    out.ok = read.ok;
    out.error = read.error;
    if (!out.ok) return out;
    out.optionsXml = SkpModule::instance().optionsXml();
    KilnCore::SceneMaterials& library = KilnCore::SceneMaterials::instance();
    std::vector<std::string> names;
    library.listNames(names);
    for (const std::string& name : names)
        out.materials.emplace_back(name, KilnCore::materialDocument(library.getMaterial(name)));
    const unsigned kind = bytes.size() >= 4 ? bytes[2] | (bytes[3] << 8) : 0;
    out.summary = "scene kind " + std::to_string(kind) + ": options and " + std::to_string(names.size()) +
                  (names.size() == 1 ? " material" : " materials");
    return out;
}

}  // namespace noxbin2xml
