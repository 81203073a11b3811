#include "Conversions.h"

#include "Explain.h"
#include "TerminalText.h"
#include "serial/QuickArchive.h"
#include "serial/ReadTrace.h"
#include "serial/Text.h"

using KilnCore::QuickArchive;
using KilnCore::ReadTrace;

namespace noxbin2xml {
namespace {

SkpModule::Result readRecord(SkpModule& scene, RecordKind kind, int32_t type, QuickArchive& archive,
                             ReadTrace& trace) {
    switch (kind) {
        case RecordKind::Light: return scene.convertLight(archive, type, &trace);
        case RecordKind::Material: return scene.convertMaterial(archive, type, &trace);
        case RecordKind::Scene: return scene.readScene(archive, &trace);
    }
    return {};
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
                                   ": " + piece.reason + " in: " + printable(piece.excerpt));
        return written;
    }
    MalformedNotes& notes() { return notes_; }

private:
    const WriteOptions& options_;
    MalformedNotes notes_;
};

}  // namespace

const char* kindName(RecordKind kind) { return kind == RecordKind::Light ? "light" : "material"; }

std::string malformedSummary(const MalformedNotes& notes) {
    if (notes.count == 0) return {};
    const std::string more = notes.count > 1 ? " (and " + std::to_string(notes.count - 1) + " more)" : "";
    return notes.lines.front() + more;
}

std::string malformedWarning(const MalformedNotes& notes) {
    if (notes.count == 0) return {};
    return "warning: the document is not well-formed XML: " + malformedSummary(notes);
}

std::string unknownType(RecordKind kind, int32_t type) {
    return kind == RecordKind::Light ? SkpModule::unknownLightType(type) : SkpModule::unknownMaterialType(type);
}

Outcome tracedRead(SkpModule& scene, RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes,
                   ReadTrace& trace, uint64_t& readEnd) {
    QuickArchive archive(bytes.data(), bytes.size());
    // Where the reads stopped.
    struct ReadEnd {
        const QuickArchive& archive;
        uint64_t& end;
        ~ReadEnd() { end = archive.readPos(); }
    } readEndOnExit{archive, readEnd};
    SkpModule::Result read = readRecord(scene, kind, type, archive, trace);
    Outcome out;
    out.ok = read.ok;
    out.text = std::move(read.document);
    out.error = std::move(read.failure);
    out.gaveUp = read.gaveUp;
    return out;
}

namespace {

Outcome checkedConversion(SkpModule& scene, RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes,
                          const WriteOptions& options) {
    ReadTrace trace;
    uint64_t readEnd = 0;
    CheckedWriting writing(options);
    Outcome out = writing.document("", [&] { return tracedRead(scene, kind, type, bytes, trace, readEnd); });
    out.malformed = std::move(writing.notes());
    return out;
}

}  // namespace

Outcome convertRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes, const WriteOptions& options) {
    SkpModule scene;
    return checkedConversion(scene, kind, type, bytes, options);
}

Outcome explainRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes) {
    SkpModule scene;
    ReadTrace trace;
    uint64_t readEnd = 0;
    Outcome out = tracedRead(scene, kind, type, bytes, trace, readEnd);
    out.text = trace.treeText() + overrunNote(bytes.size(), readEnd);
    return out;
}

SceneOutcome convertScene(const std::vector<uint8_t>& bytes, const WriteOptions& options) {
    SkpModule scene;
    return sceneDocuments(scene, checkedConversion(scene, RecordKind::Scene, 0, bytes, options), options);
}

namespace {

SceneOutcome failedScene(const SkpModule::Result& written) {
    SceneOutcome out;
    out.error = written.failure;
    return out;
}

}  // namespace

SceneOutcome sceneDocuments(SkpModule& scene, const Outcome& read, const WriteOptions& options) {
    SceneOutcome out;
    out.ok = read.ok;
    out.error = read.error;
    if (!out.ok) return out;
    CheckedWriting writing(options);
    SkpModule::Result optionsXml = writing.document("options.xml", [&] { return scene.optionsXml(); });
    if (!optionsXml.ok) return failedScene(optionsXml);
    out.optionsXml = std::move(optionsXml.document);
    for (const std::string& name : scene.materialNames()) {
        SkpModule::Result material =
            writing.document("material \"" + printable(name) + "\"", [&] { return scene.materialXml(name); });
        if (!material.ok) return failedScene(material);
        out.materials.emplace_back(name, std::move(material.document));
    }
    out.malformed = std::move(writing.notes());
    out.summary = scene.summary();
    return out;
}

}  // namespace noxbin2xml
