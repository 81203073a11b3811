// Turns the trace of one read into text for people. (The failure chain is
// the trace's own failureText.)
#pragma once

#include <cstdint>
#include <string>

#include "serial/ReadTrace.h"

namespace noxbin2xml {

// One line per record: class, offset, record version and what the reader
// noted (names, files, counts), children indented below their parent. The
// current-version base records of materials and BRDFs are folded into
// their owner's line, so each material and BRDF shows its own name.
std::string explainTree(const KilnCore::ReadTrace& trace);

// A note when the reads went past the end of a record of `size` bytes: the
// values beyond it were read as zeros (or not at all). Empty otherwise.
std::string overrunNote(uint64_t size, uint64_t readEnd);

}  // namespace noxbin2xml
