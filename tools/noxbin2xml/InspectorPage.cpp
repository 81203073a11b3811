#include "InspectorPage.h"

#include <nlohmann/json.hpp>
#include <string_view>

#include "Explain.h"

using KilnCore::ReadTrace;
using nlohmann::json;

namespace noxbin2xml {

// The page's parts, embedded from tools/noxbin2xml/inspector/ at build time.
extern const char kInspectorHtml[];
extern const char kInspectorStyle[];
extern const char kInspectorScript[];

namespace {

std::string base64(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t group = uint32_t{bytes[i]} << 16;
        if (n > 1) group |= uint32_t{bytes[i + 1]} << 8;
        if (n > 2) group |= bytes[i + 2];
        for (size_t k = 0; k < 4; ++k) out += k <= n ? digits[(group >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

json recordJson(const ReadTrace::Node& node) {
    json record = {{"class", node.className}, {"offset", node.offset}};
    if (node.version) record["version"] = *node.version;
    json fields = json::array();
    for (const ReadTrace::FieldRead& f : node.fields)
        fields.push_back({{"name", f.name}, {"offset", f.offset}, {"size", f.size}, {"since", f.since},
                          {"type", std::string(f.type)}, {"value", f.value}});
    record["fields"] = std::move(fields);
    if (node.failed) record["failure"] = {{"offset", node.failureOffset}, {"reason", node.failure}};
    json children = json::array();
    for (const auto& child : node.children) children.push_back(recordJson(*child));
    record["children"] = std::move(children);
    return record;
}

json recordsJson(const ReadTrace& trace) {
    json records = json::array();
    for (const auto& node : trace.records()) records.push_back(recordJson(*node));
    return records;
}

// JSON that stays inert inside a <script> element: '<' only occurs inside
// JSON strings, where its escape reads the same, so no "</script>" or
// "<!--" from a record can end or alter the element.
std::string scriptSafeJson(const json& data) {
    const std::string text = data.dump(-1, ' ', false, json::error_handler_t::replace);
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '<') out += "\\u003c";
        else out += c;
    }
    return out;
}

// A page shows this much of the documents; the rest is only counted, so a
// record whose document runs to tens of MB still gives a page a browser
// opens at once.
constexpr size_t kShownDocumentBytes = 1 << 20;

// The documents, cut (at a character boundary) where they pass the limit.
json documentsJson(const std::vector<std::pair<std::string, std::string>>& documents) {
    json out = json::array();
    size_t budget = kShownDocumentBytes;
    for (const auto& [name, text] : documents) {
        size_t shown = std::min(text.size(), budget);
        while (shown < text.size() && shown > 0 && (static_cast<uint8_t>(text[shown]) & 0xC0) == 0x80) --shown;
        out.push_back({{"name", name}, {"text", text.substr(0, shown)}, {"omitted", text.size() - shown}});
        budget -= shown;
    }
    return out;
}

json pageJson(const InspectedRecord& record) {
    json data = {{"title", record.title},
                       {"command", record.command},
                       {"size", record.bytes->size()},
                       {"bytes", base64(*record.bytes)},
                       {"readEnd", record.readEnd},
                       {"records", recordsJson(*record.trace)},
                       {"converted", record.converted},
                       {"documents", documentsJson(record.documents)},
                       {"failure", record.failure},
                       {"note", record.note}};
    return data;
}

// Replaces the next "{{name}}" of the template at or after `from` by `text`,
// and moves `from` past it, so inserted text is never searched for markers.
void fill(std::string& page, size_t& from, std::string_view name, const std::string& text) {
    const std::string marker = "{{" + std::string(name) + "}}";
    const size_t at = page.find(marker, from);
    if (at == std::string::npos) return;
    page.replace(at, marker.size(), text);
    from = at + text.size();
}

}  // namespace

std::string inspectorData(const InspectedRecord& record) { return scriptSafeJson(pageJson(record)); }

std::string inspectorPage(const InspectedRecord& record) {
    std::string page = kInspectorHtml;
    size_t from = 0;  // the markers in the order the template has them
    fill(page, from, "style", kInspectorStyle);
    fill(page, from, "data", inspectorData(record));
    fill(page, from, "script", kInspectorScript);
    return page;
}

void readForPage(RecordKind kind, int32_t type, const std::vector<uint8_t>& bytes, KilnCore::ReadTrace& trace,
                 InspectedRecord& record) {
    record.command = kind == RecordKind::Scene ? "scene" : std::string(kindName(kind)) + ' ' + std::to_string(type);
    record.bytes = &bytes;
    record.trace = &trace;
    SkpModule scene;
    const Outcome read = tracedRead(scene, kind, type, bytes, trace, record.readEnd);
    record.converted = read.ok;
    record.failure = read.error;
    if (read.ok && kind == RecordKind::Scene) {
        const SceneOutcome documents = sceneDocuments(scene, read);
        record.converted = documents.ok;
        record.failure = documents.error;
        if (documents.ok) record.documents.emplace_back("options.xml", documents.optionsXml);
        for (const auto& [name, text] : documents.materials)
            record.documents.emplace_back("materials/" + name + ".xml", text);
    } else if (read.ok) {
        record.documents.emplace_back("document", read.text);
    }
    record.note = overrunNote(bytes.size(), record.readEnd);
}

}  // namespace noxbin2xml
