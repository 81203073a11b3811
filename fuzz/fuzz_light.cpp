// Light records of every type, hostile bytes included: the first byte picks
// the type (-1..8, so unknown types are exercised too), the rest is the record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lights/LightConversion.h"
#include "serial/QuickArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    KilnCore::QuickArchive archive(data + 1, size - 1);
    std::string xml;
    KilnCore::convertLightRecord(archive, static_cast<int32_t>(data[0] % 10) - 1, xml);
    return 0;
}
