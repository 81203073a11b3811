#include "TerminalText.h"

#include <algorithm>
#include <cstdio>

#include "serial/Text.h"

namespace noxbin2xml {
namespace {

bool shownAsBytes(char32_t c, bool keepLines) {
    if (c == '\n') return !keepLines;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendHex(std::string& out, std::string_view bytes) {
    for (const char byte : bytes) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(byte));
        out += hex;
    }
}

}  // namespace

std::string printable(std::string_view text, bool keepLines) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const size_t length = KilnCore::decodeUtf8At(text, i, c);
        const size_t taken = length == 0 ? 1 : length;
        if (length == 0 || shownAsBytes(c, keepLines)) appendHex(out, text.substr(i, taken));
        else out.append(text, i, taken);
        i += taken;
    }
    return out;
}

std::string fittedTo(std::string_view printableText, size_t columns) {
    std::string out;
    size_t shown = 0;
    for (size_t i = 0; i < printableText.size() && shown < columns; ++shown) {
        char32_t c = 0;
        const size_t length = std::max<size_t>(KilnCore::decodeUtf8At(printableText, i, c), 1);
        out.append(printableText, i, length);
        i += length;
    }
    return out + std::string(columns - shown, ' ');
}

}  // namespace noxbin2xml
