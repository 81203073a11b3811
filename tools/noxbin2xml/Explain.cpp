#include "Explain.h"

#include <cstdio>

using KilnCore::ReadTrace;

namespace noxbin2xml {
namespace {

std::string hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

// A base record of the version every current writer writes, read without a
// failure: its notes belong on its owner's line.
bool foldsIntoOwner(const ReadTrace::Node& node) {
    const bool currentBase = (node.className == "BaseMaterial" && node.version == 2u) ||
                             (node.className == "Base_BRDF" && node.version == 4u);
    return currentBase && !node.failed && node.children.empty();
}

void appendNotes(std::string& line, const ReadTrace::Node& node) {
    for (const auto& [key, value] : node.notes) line += ' ' + key + "=\"" + value + '"';
}

void appendRecord(std::string& out, const ReadTrace::Node& node, int depth) {
    std::string line(2 * depth, ' ');
    line += node.className + " @" + hex(node.offset);
    if (node.version) line += " v" + std::to_string(*node.version);
    for (const auto& child : node.children)
        if (foldsIntoOwner(*child)) appendNotes(line, *child);
    appendNotes(line, node);
    if (node.failed) line += "  FAILED @" + hex(node.failureOffset) + ": " + node.failure;
    out += line + '\n';
    for (const auto& child : node.children)
        if (!foldsIntoOwner(*child)) appendRecord(out, *child, depth + 1);
}

}  // namespace

std::string explainTree(const ReadTrace& trace) {
    std::string out;
    for (const auto& record : trace.records()) appendRecord(out, *record, 0);
    return out;
}

std::string overrunNote(uint64_t size, uint64_t readEnd) {
    if (readEnd <= size) return {};
    return "the record is " + std::to_string(size) + " bytes long (it ends @" + hex(size) + ") but the reads went on to @" +
           hex(readEnd) + ": it may be cut short\n";
}

}  // namespace noxbin2xml
