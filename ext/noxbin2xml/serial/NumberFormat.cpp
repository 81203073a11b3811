#include "serial/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace KilnCore {

namespace {

// "1e+06" -> "1e+006": copies the text to `out` with the exponent (after
// its sign) padded to three digits.
char* writePaddedExponent(char* out, const char* text, const char* end) {
    const char* e = static_cast<const char*>(std::memchr(text, 'e', static_cast<size_t>(end - text)));
    if (!e) return std::copy(text, end, out);
    const char* digits = e + 2;
    out = std::copy(text, digits, out);
    for (ptrdiff_t count = end - digits; count < 3; ++count) *out++ = '0';
    return std::copy(digits, end, out);
}

// Writes the decimal digits d1 d2 ... dk (no trailing zeros) of the value
// d1.d2...dk * 10^exponent as general notation does with 6 significant
// digits; k is at most 6.
char* writeGeneral(char* p, bool negative, const char* digits, int count, int exponent) {
    if (negative) *p++ = '-';
    if (exponent < -4 || exponent >= 6) {
        *p++ = digits[0];
        if (count > 1) {
            *p++ = '.';
            for (int i = 1; i < count; ++i) *p++ = digits[i];
        }
        *p++ = 'e';
        *p++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        *p++ = static_cast<char>('0' + magnitude / 100);
        *p++ = static_cast<char>('0' + magnitude / 10 % 10);
        *p++ = static_cast<char>('0' + magnitude % 10);
    } else if (exponent < 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = -1; i > exponent; --i) *p++ = '0';
        for (int i = 0; i < count; ++i) *p++ = digits[i];
    } else {
        for (int i = 0; i <= exponent; ++i) *p++ = i < count ? digits[i] : '0';
        if (count > exponent + 1) {
            *p++ = '.';
            for (int i = exponent + 1; i < count; ++i) *p++ = digits[i];
        }
    }
    return p;
}

// The exact path: printf("%.6g") digits with the exponent padded.
char* writeExact(char* out, double value) {
    char buf[kMaxFloatText];
    // to_chars with an explicit precision produces what printf("%.6g") does.
    char* const end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6).ptr;
    return writePaddedExponent(out, buf, end);
}

// Whole numbers below a million, the most common values by far, are their
// own digits in general notation.
char* writeWhole(char* out, float value) {
    uint32_t whole = static_cast<uint32_t>(std::fabs(value));
    if (std::signbit(value)) *out++ = '-';
    char digits[8];
    char* p = digits + sizeof digits;
    do {
        *--p = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    return std::copy(p, digits + sizeof digits, out);
}

}  // namespace

void appendFloat(std::string& out, double value) {
    char buf[kMaxFloatText];
    out.append(buf, static_cast<size_t>(writeExact(buf, value) - buf));
}

// Whole numbers below a million are written as their digits. For other
// floats, the shortest text that reads back as the float is much cheaper to
// find than a correctly rounded 6-digit one. When it has at most 6 significant
// digits it is also the 6-digit rounding of the float's exact value: a
// normal float lies within half its spacing, under 0.06 units of the sixth
// digit, of that text. Other floats take the exact path.
char* writeFloat(char* out, float value) {
    const float magnitude = std::fabs(value);
    if (magnitude < 1e6f && magnitude == static_cast<float>(static_cast<uint32_t>(magnitude)))
        return writeWhole(out, value);
    const bool normal = magnitude >= std::numeric_limits<float>::min() && magnitude <= std::numeric_limits<float>::max();
    if (!normal) return writeExact(out, value);  // subnormal, infinite or NaN
    char buf[kMaxFloatText];
    char* const end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr;
    // buf holds [-]d[.ddd]e(+|-)xx
    const bool negative = buf[0] == '-';
    char digits[6];
    int count = 0;
    const char* p = buf + (negative ? 1 : 0);
    for (; p != end && *p != 'e'; ++p) {
        if (*p == '.') continue;
        if (count == 6) return writeExact(out, value);
        digits[count++] = *p;
    }
    if (p == end) return writeExact(out, value);  // no exponent: not a finite number after all
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    return writeGeneral(out, negative, digits, count, exponent);
}

char* writeInt(char* out, int64_t value) { return std::to_chars(out, out + kMaxIntText, value).ptr; }

}  // namespace KilnCore
