#include "Explain.h"

#include <cstdio>

namespace noxbin2xml {
namespace {

std::string hex(uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

std::string overrunNote(uint64_t size, uint64_t readEnd) {
    if (readEnd <= size) return {};
    return "the record is " + std::to_string(size) + " bytes long (it ends @" + hex(size) + ") but the reads went on to @" +
           hex(readEnd) + ": it may be cut short\n";
}

}  // namespace noxbin2xml
