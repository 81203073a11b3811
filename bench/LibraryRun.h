// The batch a maintainer runs on a scene: read its material library record,
// then write the material document of every material in it.
#pragma once

#include <cstddef>

#include "serial/QuickArchive.h"

namespace bench {

// Reads the record into the scene's library and writes every document;
// returns the total size of the documents (0 when the record failed).
size_t readLibraryAndWriteDocuments(const KilnCore::QuickArchive& record);

}  // namespace bench
