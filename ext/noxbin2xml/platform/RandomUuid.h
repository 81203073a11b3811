// The source of new identifiers.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

// Sixteen bytes of a new random UUID, in the order of its text form: on
// Windows from the system's identifier service, elsewhere from the standard
// library's random device (the system's entropy source).
std::array<uint8_t, 16> randomUuidBytes();

}  // namespace platform
