#include "Conversions.h"

#include <cstdio>

#include "Explain.h"
#include "lights/LightConversion.h"
#include "lights/SunLight.h"
#include "materials/MaterialConversion.h"
#include "materials/SceneMaterials.h"
#include "scene/SkpModule.h"
#include "serial/QuickArchive.h"
#include "serial/ReadTrace.h"
#include "serial/Text.h"

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

// Bytes a terminal would not show as text, as \xNN.
std::string visible(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        const size_t length = KilnCore::decodeUtf8At(text, i, cp);
        if (length == 0 || cp < 0x20 || cp == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(text[i]));
            out += hex;
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

// Writes documents with the options' checks and gathers what they note;
// `document` names each one in the notes.
class CheckedWriting {
public:
    explicit CheckedWriting(const WriteOptions& options) : options_(options) {}

    template <class Write>
    auto document(const std::string& document, Write write) {
        KilnCore::DocumentChecks checks;
        checks.maxBytes = options_.maxDocumentBytes;
        checks.repair = options_.repair;
        const KilnCore::DocumentCheckScope scope(checks);
        auto written = write();
        notes_.count += checks.malformedCount;
        for (const KilnCore::MalformedPiece& piece : checks.pieces)
            notes_.lines.push_back(document + (document.empty() ? "" : " ") + "line " + std::to_string(piece.line) +
                                   ": " + piece.reason + " in: " + visible(piece.excerpt));
        return written;
    }
    MalformedNotes& notes() { return notes_; }

private:
    const WriteOptions& options_;
    MalformedNotes notes_;
};

}  // namespace

Outcome tracedRead(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes, ReadTrace& trace,
                   uint64_t& readEnd) {
    resetSharedState();
    QuickArchive archive(bytes.data(), bytes.size());
    archive.setTrace(&trace);
    // Where the reads stopped, also when writing the document throws.
    struct ReadEnd {
        const QuickArchive& archive;
        uint64_t& end;
        ~ReadEnd() { end = archive.readPos(); }
    } readEndOnExit{archive, readEnd};
    Outcome out;
    out.ok = readRecord(kind, type, archive, out.text);
    if (!out.ok) out.error = failureOf(trace, kind, type);
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

Outcome convertRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes, const WriteOptions& options) {
    ReadTrace trace;
    uint64_t readEnd = 0;
    CheckedWriting writing(options);
    Outcome out = writing.document("", [&] { return tracedRead(kind, type, bytes, trace, readEnd); });
    out.malformed = std::move(writing.notes());
    return out;
}

Outcome explainRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes) {
    ReadTrace trace;
    uint64_t readEnd = 0;
    Outcome out = tracedRead(kind, type, bytes, trace, readEnd);
    out.text = trace.treeText() + overrunNote(bytes.size(), readEnd);
    return out;
}

SceneOutcome convertScene(const std::vector<uint8_t>& bytes, const WriteOptions& options) {
    return sceneDocuments(bytes, convertRecord(RecordKind::Scene, 0, bytes), options);
}

SceneOutcome sceneDocuments(const std::vector<uint8_t>& bytes, const Outcome& read, const WriteOptions& options) {
    SceneOutcome out;
    out.ok = read.ok;
    out.error = read.error;
    if (!out.ok) return out;
    CheckedWriting writing(options);
    out.optionsXml = writing.document("options.xml", [] { return SkpModule::instance().optionsXml(); });
    KilnCore::SceneMaterials& library = KilnCore::SceneMaterials::instance();
    std::vector<std::string> names;
    library.listNames(names);
    for (const std::string& name : names)
        out.materials.emplace_back(name, writing.document("material \"" + visible(name) + "\"", [&] {
            return KilnCore::materialDocument(library.getMaterial(name));
        }));
    out.malformed = std::move(writing.notes());
    const uint16_t kind = static_cast<uint16_t>(bytes[2] | (bytes[3] << 8));  // a read scene has its kind word
    out.summary = "scene kind " + std::to_string(kind) + " (" + sceneContent(kind, names.size()) + ")";
    return out;
}

}  // namespace noxbin2xml
