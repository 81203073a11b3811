#include "platform/RandomUuid.h"

#ifdef _WIN32
#include <windows.h>
#include <rpc.h>
#elif defined(__wasi__)
#include <unistd.h>
#else
#include <random>
#endif

namespace platform {

#ifdef _WIN32

std::array<uint8_t, 16> randomUuidBytes() {
    UUID id{};
    UuidCreate(&id);
    const auto byte = [](unsigned long value, int shift) { return static_cast<uint8_t>(value >> shift); };
    return {byte(id.Data1, 24), byte(id.Data1, 16), byte(id.Data1, 8), byte(id.Data1, 0),
            byte(id.Data2, 8),  byte(id.Data2, 0),  byte(id.Data3, 8), byte(id.Data3, 0),
            id.Data4[0], id.Data4[1], id.Data4[2], id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]};
}

#elif defined(__wasi__)

// WASI runs one thread, whose runtime cannot end a thread_local generator;
// the host's random source answers directly.
std::array<uint8_t, 16> randomUuidBytes() {
    std::array<uint8_t, 16> bytes{};
    getentropy(bytes.data(), bytes.size());
    return bytes;
}

#else

// The system's random source seeds a generator once per thread: on some
// virtual machines each draw from it costs tens of microseconds, and every
// new sun or sky takes an identifier.
std::array<uint8_t, 16> randomUuidBytes() {
    thread_local std::mt19937_64 source = [] {
        std::random_device seed;
        std::seed_seq sequence{seed(), seed(), seed(), seed()};
        return std::mt19937_64(sequence);
    }();
    std::array<uint8_t, 16> bytes{};
    for (size_t i = 0; i < bytes.size(); i += 8) {
        const uint64_t word = source();
        for (size_t j = 0; j < 8; ++j) bytes[i + j] = static_cast<uint8_t>(word >> (8 * j));
    }
    return bytes;
}

#endif

}  // namespace platform
