#include "serial/XmlCheck.h"

#include <array>
#include <cstdint>

#include "serial/AssetXmlWriter.h"
#include "serial/Text.h"

namespace KilnCore {
namespace {

// Bytes that need a closer look; every other byte stands anywhere as it is.
constexpr std::array<bool, 256> kLook = [] {
    std::array<bool, 256> look{};
    for (int c = 0; c < 256; ++c)
        look[c] = (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == '<' || c == '&' || c == '>' ||
                  c == '"' || c >= 0x80;
    return look;
}();

bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

int digitValue(char c, int base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The length of the reference that starts at text[0] (an '&'): one of the
// five predefined entities, or a character reference to an allowed
// character. 0 when there is none.
size_t referenceLength(std::string_view text) {
    for (const std::string_view named : {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"})
        if (text.substr(0, named.size()) == named) return named.size();
    if (text.size() < 4 || text[1] != '#') return 0;
    const int base = text[2] == 'x' ? 16 : 10;
    const size_t first = base == 16 ? 3 : 2;
    char32_t value = 0;
    size_t k = first;
    for (; k < text.size() && text[k] != ';'; ++k) {
        const int digit = digitValue(text[k], base);
        if (digit < 0) return 0;
        value = value * base + static_cast<char32_t>(digit);
        if (value > 0x10FFFF) return 0;
    }
    if (k == first || k == text.size() || !isXmlChar(value)) return 0;
    return k + 1;
}

// Why the byte at text[i] (one kLook marks) cannot stand there, or nullptr;
// `length` becomes the number of bytes it covers.
const char* lookAt(std::string_view text, size_t i, XmlPlace place, size_t& length) {
    const auto c = static_cast<uint8_t>(text[i]);
    length = 1;
    switch (c) {
        case '<': return "a '<'";
        case '&': {
            const size_t reference = referenceLength(text.substr(i));
            length = reference ? reference : 1;
            return reference ? nullptr : "an '&' that starts no reference";
        }
        case '"': return place == XmlPlace::Attribute ? "a quotation mark" : nullptr;
        case '>': return place == XmlPlace::Text && i >= 2 && text.substr(i - 2, 2) == "]]" ? "the sequence ]]>" : nullptr;
        default: break;
    }
    if (c < 0x80) return "a control character";
    char32_t cp = 0;
    length = decodeUtf8At(text, i, cp);
    if (length == 0) {
        length = 1;
        return "bytes that are not UTF-8";
    }
    return isXmlChar(cp) ? nullptr : "the non-character U+FFFE or U+FFFF";
}

}  // namespace

XmlFault findMalformed(std::string_view text, XmlPlace place) {
    for (size_t i = 0; i < text.size();) {
        if (!kLook[static_cast<uint8_t>(text[i])]) {
            ++i;
            continue;
        }
        size_t length = 0;
        if (const char* reason = lookAt(text, i, place, length)) return {reason, i};
        i += length;
    }
    return {};
}

std::string repairedXml(std::string_view text) {
    const std::string escaped = escapeXml(text);
    std::string out;
    out.reserve(escaped.size());
    for (size_t i = 0; i < escaped.size();) {
        size_t length = 0;
        const bool look = kLook[static_cast<uint8_t>(escaped[i])];
        const char* reason = look ? lookAt(escaped, i, XmlPlace::Attribute, length) : nullptr;
        if (!look) length = 1;
        if (escaped[i] == '"')
            out += "&quot;";
        else if (reason)
            appendUtf8(out, 0xFFFD);
        else
            out.append(escaped, i, length);
        i += length;
    }
    return out;
}

}  // namespace KilnCore
