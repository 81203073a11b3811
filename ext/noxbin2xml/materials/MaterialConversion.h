// One material record to its material document: what convert_material returns.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace KilnCore {

class QuickArchive;
class BaseMaterial;

// The material document of one material (what convert_material returns for
// its record).
std::string materialDocument(const std::shared_ptr<BaseMaterial>& material);

// Creates the material of the given type, reads its record from the archive
// and appends its whole material document (with its "Assets" element) to
// xml. False on any failure, with xml unchanged.
bool convertMaterialRecord(QuickArchive& archive, int32_t typeId, std::string& xml);

}  // namespace KilnCore
