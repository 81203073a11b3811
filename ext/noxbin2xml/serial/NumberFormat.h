// Number text as the asset documents carry it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace KilnCore {

// General notation with 6 significant digits and no trailing zeros, and an
// exponent of at least three digits where one is used: 0.1 -> "0.1",
// 1000000 -> "1e+006", 1234567 -> "1.23457e+006", 1e-7 -> "1e-007".
// Infinities and NaNs are written "inf", "-inf", "nan", "-nan".
void appendFloat(std::string& out, double value);

// The same text for a float, found faster, written at `out`, which has room
// for kMaxFloatText characters; returns the end of the text.
constexpr size_t kMaxFloatText = 32;
char* writeFloat(char* out, float value);

// The integer's decimal text written at `out`, which has room for
// kMaxIntText characters; returns the end of the text.
constexpr size_t kMaxIntText = 20;
char* writeInt(char* out, int64_t value);

}  // namespace KilnCore
