// Number text as the asset documents carry it.
#pragma once

#include <cstdint>
#include <string>

namespace KilnCore {

// General notation with 6 significant digits and no trailing zeros, and an
// exponent of at least three digits where one is used: 0.1 -> "0.1",
// 1000000 -> "1e+006", 1234567 -> "1.23457e+006", 1e-7 -> "1e-007".
// Infinities and NaNs are written "inf", "-inf", "nan", "-nan".
void appendFloat(std::string& out, double value);
// The same text for a float, found faster.
void appendFloat(std::string& out, float value);
std::string formatFloat(double value);

void appendInt(std::string& out, int64_t value);

}  // namespace KilnCore
