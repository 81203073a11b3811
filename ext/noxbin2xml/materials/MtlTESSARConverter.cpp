#include "materials/MtlTESSARConverter.h"

#include "materials/MaterialDocument.h"

namespace KilnCore {

void MtlTESSARConverter::writeXML(AssetXmlWriter& writer, const std::string&) {
    if (material_) writeMaterialDocument(writer, material_);
}

}  // namespace KilnCore
