// What the tool does with one record: convert it, or explain how it reads.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace noxbin2xml {

enum class RecordKind { Light, Material, Scene };

struct Outcome {
    bool ok = false;
    std::string text;   // the document, or the explanation
    std::string error;  // why the record does not convert
};

// The XML text convert_light / convert_material return for the record.
Outcome convertRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes);

// A readable tree of what was read; for a record that does not convert,
// the chain of failures with offsets and reasons, then what was read.
Outcome explainRecord(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes);

// A scene record read as old_deserialize reads it (without the upgrade):
// the options document and one material document per library material.
struct SceneOutcome {
    bool ok = false;
    std::string error;
    std::string summary;
    std::string optionsXml;
    std::vector<std::pair<std::string, std::string>> materials;  // name, document
};
SceneOutcome convertScene(const std::vector<uint8_t>& bytes);

}  // namespace noxbin2xml
