// What explain adds to the trace of a read (whose treeText shows the records
// and fields read, and whose failureText the chain of failures).
#pragma once

#include <cstdint>
#include <string>

namespace noxbin2xml {

// A note when the reads went past the end of a record of `size` bytes: the
// values beyond it were read as zeros (or not at all). Empty otherwise.
std::string overrunNote(uint64_t size, uint64_t readEnd);

}  // namespace noxbin2xml
