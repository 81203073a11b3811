// Scene records as old_deserialize reads them, then the options document.
#include <cstddef>
#include <cstdint>

#include "scene/SkpModule.h"
#include "serial/QuickArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    KilnCore::QuickArchive archive(data, size);
    SkpModule::instance().deserialize(archive);
    SkpModule::instance().optionsXml();
    return 0;
}
