// The converter's entry points for the web page, exported from the
// WebAssembly module as C functions. The page writes a record's file content,
// file name and TYPE into the module's input slots, calls nox_convert or
// nox_inspect, and reads the answer: named parts (a document, the failure
// chain, the malformed-XML warning, ...) it copies out of the module's memory.
// Everything is done as the command-line tool does it.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "Conversions.h"
#include "FileNames.h"
#include "InspectorPage.h"
#include "RecordText.h"
#include "TypeChoice.h"
#include "platform/Compiler.h"

using namespace noxbin2xml;

namespace {

enum InputSlot { kContent, kFileName, kType, kSlots };

std::string inputs[kSlots];
std::vector<std::pair<std::string, std::string>> parts;  // name, bytes

std::string_view slot(InputSlot which) { return inputs[which]; }

void answer(std::string name, std::string bytes) { parts.emplace_back(std::move(name), std::move(bytes)); }

// The record and its type as the tool reads them from a file; false after
// answering the reason.
bool loadRecord(RecordKind kind, int32_t& type, std::vector<uint8_t>& bytes) {
    std::string error;
    if (kind != RecordKind::Scene) {
        const TypeChoice choice(kind, std::string(slot(kType)));
        error = choice.check();
        if (error.empty()) choice.typeFor(std::string(slot(kFileName)), type, error);
    }
    if (error.empty()) recordFromContent(slot(kContent), bytes, error);
    if (!error.empty()) answer("failure", error + '\n');
    return error.empty();
}

void answerWarning(const MalformedNotes& notes) {
    if (notes.count) answer("warning", malformedWarning(notes));
}

void convertSceneRecord(const std::vector<uint8_t>& bytes, const WriteOptions& options) {
    SceneOutcome scene = convertScene(bytes, options);
    if (!scene.ok) return answer("failure", scene.error);
    answer("summary", scene.summary);
    answerWarning(scene.malformed);
    answer("file:options.xml", std::move(scene.optionsXml));
    std::set<std::string> used;
    for (auto& [name, document] : scene.materials)
        answer("file:materials/" + materialFileName(name, used), std::move(document));
}

void convert(RecordKind kind, const WriteOptions& options) {
    int32_t type = 0;
    std::vector<uint8_t> bytes;
    if (!loadRecord(kind, type, bytes)) return;
    if (kind == RecordKind::Scene) return convertSceneRecord(bytes, options);
    Outcome outcome = convertRecord(kind, type, bytes, options);
    if (!outcome.ok) return answer("failure", outcome.error);
    answerWarning(outcome.malformed);
    answer("file:document", std::move(outcome.text));
}

void inspect(RecordKind kind) {
    int32_t type = 0;
    std::vector<uint8_t> bytes;
    if (!loadRecord(kind, type, bytes)) return;
    KilnCore::ReadTrace trace;
    InspectedRecord record;
    record.title = std::string(slot(kFileName));
    readForPage(kind, type, bytes, trace, record);
    if (!record.converted) answer("failure", record.failure);
    answer("page", inspectorPage(record));
}

bool kindOf(int code, RecordKind& kind) {
    if (code < 0 || code > 2) return false;
    kind = static_cast<RecordKind>(code);
    return true;
}

// Starts a new answer, freeing the last one's memory.
void clearAnswer() { std::vector<std::pair<std::string, std::string>>().swap(parts); }

}  // namespace

// Exported from the module by these names; a native build (the benchmark's)
// calls them directly.
#define NOX_EXPORT(name) NOXBIN2XML_WASM_EXPORT(name)

// Room for `size` bytes of input slot `which` (0 the file's content, 1 its
// name, 2 TYPE: a number or "auto"); the page writes them there.
NOX_EXPORT(nox_input) char* noxInput(int which, size_t size) {
    if (which < 0 || which >= kSlots) return nullptr;
    inputs[which].assign(size, '\0');
    return inputs[which].data();
}

// Converts the record in the slots; kind 0 light, 1 material, 2 scene. The
// answer holds "file:..." documents (file:document, or file:options.xml and
// file:materials/NAME.xml), "warning" and "summary", or "failure". Returns
// the number of parts.
NOX_EXPORT(nox_convert) int noxConvert(int kindCode, uint32_t maxDocumentMb) {
    clearAnswer();
    RecordKind kind;
    if (!kindOf(kindCode, kind)) return 0;
    WriteOptions options;
    options.maxDocumentBytes = size_t{maxDocumentMb} << 20;
    convert(kind, options);
    return static_cast<int>(parts.size());
}

// The inspector page of the record in the slots ("page"), and its "failure"
// when it does not convert.
NOX_EXPORT(nox_inspect) int noxInspect(int kindCode) {
    clearAnswer();
    RecordKind kind;
    if (kindOf(kindCode, kind)) inspect(kind);
    return static_cast<int>(parts.size());
}

NOX_EXPORT(nox_part_name) const char* noxPartName(int i) { return parts.at(i).first.data(); }
NOX_EXPORT(nox_part_name_size) size_t noxPartNameSize(int i) { return parts.at(i).first.size(); }
NOX_EXPORT(nox_part_data) const char* noxPartData(int i) { return parts.at(i).second.data(); }
NOX_EXPORT(nox_part_size) size_t noxPartSize(int i) { return parts.at(i).second.size(); }
