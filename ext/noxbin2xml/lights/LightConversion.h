// One light record to its XML assets: what convert_light returns.
#pragma once

#include <cstdint>
#include <string>

namespace KilnCore {

class QuickArchive;

// Creates the light of the given type, reads its record from the archive and
// appends its assets (no enclosing element) to xml. False on any failure,
// with xml unchanged.
bool convertLightRecord(QuickArchive& archive, int32_t typeId, std::string& xml);

}  // namespace KilnCore
