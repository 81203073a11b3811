#include "platform/RandomUuid.h"

#ifdef _WIN32
#include <windows.h>
#include <rpc.h>
#else
#include <random>
#endif

namespace platform {

#ifdef _WIN32

std::array<uint8_t, 16> randomUuidBytes() {
    UUID id{};
    UuidCreate(&id);
    std::array<uint8_t, 16> bytes{};
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(id.Data1 >> (24 - 8 * i));
    for (int i = 0; i < 2; ++i) bytes[4 + i] = static_cast<uint8_t>(id.Data2 >> (8 - 8 * i));
    for (int i = 0; i < 2; ++i) bytes[6 + i] = static_cast<uint8_t>(id.Data3 >> (8 - 8 * i));
    for (int i = 0; i < 8; ++i) bytes[8 + i] = id.Data4[i];
    return bytes;
}

#else

std::array<uint8_t, 16> randomUuidBytes() {
    std::random_device source;
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); i += 4) {
        const uint32_t word = source();
        for (size_t j = 0; j < 4; ++j) bytes[i + j] = static_cast<uint8_t>(word >> (8 * j));
    }
    return bytes;
}

#endif

}  // namespace platform
