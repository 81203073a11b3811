#include "serial/NumberFormat.h"

#include <charconv>
#include <cstring>

namespace KilnCore {

void appendFloat(std::string& out, double value) {
    char buf[40];
    // to_chars with an explicit precision produces what printf("%.6g") does.
    char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6).ptr;
    char* e = static_cast<char*>(std::memchr(buf, 'e', static_cast<size_t>(end - buf)));
    if (!e) {
        out.append(buf, static_cast<size_t>(end - buf));
        return;
    }
    // "1e+06" -> "1e+006": pad the exponent (after its sign) to three digits.
    const char* digits = e + 2;
    const size_t count = static_cast<size_t>(end - digits);
    out.append(buf, static_cast<size_t>(digits - buf));
    if (count < 3) out.append(3 - count, '0');
    out.append(digits, count);
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
