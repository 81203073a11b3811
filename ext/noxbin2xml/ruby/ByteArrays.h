// Records in their host form: a Ruby Array of Integers, one per byte.
#pragma once

#include <ruby.h>

namespace KilnCore {
class QuickArchive;
}

namespace KilnRuby {

// Appends the low byte of each element at the archive's write position.
// False (with the reason given to failCall) for anything but a non-empty
// Array, and for an element that does not convert to an integer.
bool loadArchiveFromByteArray(VALUE value, KilnCore::QuickArchive& archive);

// The archive's whole block image (unused tail of the last block included),
// read from its read position, as an Array of Integers 0..255. Nil for an
// archive without blocks.
VALUE archiveToByteArray(KilnCore::QuickArchive& archive);

}  // namespace KilnRuby
