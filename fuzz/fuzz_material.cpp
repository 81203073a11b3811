// Material records of every type: the first byte picks the type (-1..15),
// the rest is the record, converted to its material document.
#include <cstddef>
#include <cstdint>
#include <string>

#include "materials/MaterialConversion.h"
#include "serial/QuickArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    KilnCore::QuickArchive archive(data + 1, size - 1);
    std::string xml;
    KilnCore::convertMaterialRecord(archive, static_cast<int32_t>(data[0] % 17) - 1, xml);
    return 0;
}
