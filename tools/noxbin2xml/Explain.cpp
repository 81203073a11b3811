#include "Explain.h"

#include "serial/ReadTrace.h"

namespace noxbin2xml {

std::string overrunNote(uint64_t size, uint64_t readEnd) {
    if (readEnd <= size) return {};
    return "the record is " + std::to_string(size) + " bytes long (it ends " + KilnCore::hexOffset(size) +
           ") but the reads went on to " + KilnCore::hexOffset(readEnd) + ": it may be cut short\n";
}

}  // namespace noxbin2xml
