#include "serial/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace KilnCore {

namespace {

// "1e+06" -> "1e+006": pads the exponent (after its sign) to three digits.
void appendPaddedExponent(std::string& out, const char* text, const char* end) {
    const char* e = static_cast<const char*>(std::memchr(text, 'e', static_cast<size_t>(end - text)));
    if (!e) {
        out.append(text, static_cast<size_t>(end - text));
        return;
    }
    const char* digits = e + 2;
    const size_t count = static_cast<size_t>(end - digits);
    out.append(text, static_cast<size_t>(digits - text));
    if (count < 3) out.append(3 - count, '0');
    out.append(digits, count);
}

// Writes the decimal digits d1 d2 ... dk (no trailing zeros) of the value
// d1.d2...dk * 10^exponent as general notation does with 6 significant
// digits; k is at most 6.
void appendGeneral(std::string& out, bool negative, const char* digits, int count, int exponent) {
    char buf[24];
    char* p = buf;
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
    out.append(buf, static_cast<size_t>(p - buf));
}

}  // namespace

void appendFloat(std::string& out, double value) {
    char buf[40];
    // to_chars with an explicit precision produces what printf("%.6g") does.
    char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6).ptr;
    appendPaddedExponent(out, buf, end);
}

// The shortest text that reads back as the float is much cheaper to find
// than a correctly rounded 6-digit one. When it has at most 6 significant
// digits it is also the 6-digit rounding of the float's exact value: a
// normal float lies within half its spacing, under 0.06 units of the sixth
// digit, of that text. Other floats take the exact path.
void appendFloat(std::string& out, float value) {
    const float magnitude = std::fabs(value);
    if (!(magnitude >= std::numeric_limits<float>::min() || value == 0)) {  // subnormal, infinite or NaN
        appendFloat(out, static_cast<double>(value));
        return;
    }
    char buf[24];
    char* const end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific).ptr;
    // buf holds [-]d[.ddd]e(+|-)xx
    const bool negative = buf[0] == '-';
    char digits[12];
    int count = 0;
    const char* p = buf + (negative ? 1 : 0);
    for (; *p != 'e'; ++p) {
        if (*p == '.') continue;
        if (count == 6) {
            appendFloat(out, static_cast<double>(value));
            return;
        }
        digits[count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    appendGeneral(out, negative, digits, count, exponent);
}

std::string formatFloat(double value) {
    std::string out;
    appendFloat(out, value);
    return out;
}

void appendInt(std::string& out, int64_t value) {
    char buf[24];
    char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out.append(buf, static_cast<size_t>(end - buf));
}

}  // namespace KilnCore
