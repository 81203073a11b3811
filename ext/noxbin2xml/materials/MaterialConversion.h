// One material record to its material document: what convert_material returns.
#pragma once

#include <cstdint>
#include <string>

namespace KilnCore {

class QuickArchive;

// Creates the material of the given type, reads its record from the archive
// and appends its whole material document (with its "Assets" element) to
// xml. False on any failure, with xml unchanged.
bool convertMaterialRecord(QuickArchive& archive, int32_t typeId, std::string& xml);

}  // namespace KilnCore
