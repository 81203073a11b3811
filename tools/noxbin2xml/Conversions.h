// What the tool does with one record: convert it, or explain how it reads.
// Every input gets a scene converter of its own, as a freshly loaded module
// has it (an empty material library, the default sun at its defaults), so
// the result for one input never depends on the inputs converted before it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "scene/SkpModule.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {
class ReadTrace;
}

namespace noxbin2xml {

enum class RecordKind { Light, Material, Scene };

// "light" or "material".
const char* kindName(RecordKind kind);

// Why the converter has no light or material of that type; empty when it
// has one.
std::string unknownType(RecordKind kind, int32_t type);

// How documents are written beyond their exact text.
struct WriteOptions {
    size_t maxDocumentBytes = KilnCore::kDefaultMaxDocumentBytes;
    bool repair = false;  // write the pieces that make a document malformed XML repaired
};

// The pieces of record text that make documents malformed XML.
struct MalformedNotes {
    std::vector<std::string> lines;  // "line 12: a quotation mark in: name="a"b"", the first few
    size_t count = 0;                // all of them
};

// The warning the tool gives for a document with such pieces: "warning: the
// document is not well-formed XML: line 12: ... (and 2 more)"; empty when
// there are none.
std::string malformedWarning(const MalformedNotes& notes);
// The first piece and how many more: "line 12: ... (and 2 more)".
std::string malformedSummary(const MalformedNotes& notes);

struct Outcome {
    bool ok = false;
    std::string text;   // the document, or the explanation
    std::string error;  // why the record does not convert, one record per line
    bool gaveUp = false;  // the document passed its size limit; `error` says so
    MalformedNotes malformed;
};

// The XML text convert_light / convert_material return for the record (or
// its repair); past the size limit it fails with the reason.
Outcome convertRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes,
                      const WriteOptions& options = {});

// A readable tree of what was read; for a record that does not convert,
// the chain of failures with offsets and reasons as the error.
Outcome explainRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes);

// Reads the record with `scene` into `trace` and sets `readEnd` to where
// the reads stopped; the outcome's text is the document (for a scene: empty,
// see sceneDocuments).
Outcome tracedRead(SkpModule& scene, RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes,
                   KilnCore::ReadTrace& trace, uint64_t& readEnd);

// A scene record read as old_deserialize reads it (without the upgrade):
// the options document and one material document per library material.
struct SceneOutcome {
    bool ok = false;
    std::string error;
    std::string summary;  // "scene kind 4 (options, 3 materials, default sun, sky)"
    std::string optionsXml;
    std::vector<std::pair<std::string, std::string>> materials;  // name, document; in library order
    MalformedNotes malformed;  // lines start with the document: "options.xml line 3: ..."
};
SceneOutcome convertScene(const std::vector<uint8_t>& bytes, const WriteOptions& options = {});
// The documents of the scene `read` (the outcome of reading it with `scene`)
// left in the scene state.
SceneOutcome sceneDocuments(SkpModule& scene, const Outcome& read, const WriteOptions& options = {});

}  // namespace noxbin2xml
