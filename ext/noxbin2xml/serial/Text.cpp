#include "serial/Text.h"

#include <algorithm>
#include <cstdint>

namespace KilnCore {
namespace {

// Length of the well-formed sequence starting at s[i], or 0 when it is not
// well-formed (Unicode's table of well-formed UTF-8 byte sequences).
size_t wellFormedLength(std::string_view s, size_t i) {
    const auto at = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
    const uint8_t b0 = at(i);
    if (b0 < 0x80) return 1;
    size_t len;
    uint8_t lo = 0x80, hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0) lo = 0xA0;
        if (b0 == 0xED) hi = 0x9F;  // no encoded surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    if (at(i + 1) < lo || at(i + 1) > hi) return 0;
    for (size_t k = 2; k < len; ++k)
        if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
    return len;
}

// Decodes the code point at s[i] and advances i. Text in the model is valid
// UTF-8; a stray byte decodes as itself so that comparisons stay total.
char32_t nextCodePoint(std::string_view s, size_t& i) {
    const size_t len = wellFormedLength(s, i);
    const auto at = [&](size_t k) { return static_cast<char32_t>(static_cast<uint8_t>(s[k])); };
    char32_t cp;
    switch (len) {
        case 1: cp = at(i); break;
        case 2: cp = ((at(i) & 0x1F) << 6) | (at(i + 1) & 0x3F); break;
        case 3: cp = ((at(i) & 0x0F) << 12) | ((at(i + 1) & 0x3F) << 6) | (at(i + 2) & 0x3F); break;
        case 4:
            cp = ((at(i) & 0x07) << 18) | ((at(i + 1) & 0x3F) << 12) | ((at(i + 2) & 0x3F) << 6) |
                 (at(i + 3) & 0x3F);
            break;
        default: cp = at(i); i += 1; return cp;
    }
    i += len;
    return cp;
}

// The Windows-1252 characters of the bytes 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Splits a code point into UTF-16 code units; returns how many.
int toUtf16(char32_t cp, char16_t units[2]) {
    if (cp < 0x10000) {
        units[0] = static_cast<char16_t>(cp);
        return 1;
    }
    cp -= 0x10000;
    units[0] = static_cast<char16_t>(0xD800 + (cp >> 10));
    units[1] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    return 2;
}

char16_t foldAscii(char16_t u) { return (u >= 'A' && u <= 'Z') ? static_cast<char16_t>(u + 32) : u; }

}  // namespace

bool isStrictUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const size_t len = wellFormedLength(bytes, i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

size_t decodeUtf8At(std::string_view text, size_t i, char32_t& codePoint) {
    const size_t len = wellFormedLength(text, i);
    if (len != 0) codePoint = nextCodePoint(text, i);
    return len;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (b >= 0x80 && b <= 0x9F)
            appendUtf8(out, kCp1252High[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

std::string decodeLegacyText(std::string_view bytes) {
    if (isStrictUtf8(bytes)) return std::string(bytes);
    return cp1252ToUtf8(bytes);
}

namespace {

// Walks a UTF-8 text as UTF-16 code units; 0 marks the end.
class Utf16Units {
public:
    explicit Utf16Units(std::string_view s) : s_(s) {}
    char32_t next() {
        if (k_ == n_) {
            if (i_ == s_.size()) return 0;
            n_ = toUtf16(nextCodePoint(s_, i_), units_);
            k_ = 0;
        }
        return units_[k_++];
    }
    bool done() const { return k_ == n_ && i_ == s_.size(); }

private:
    std::string_view s_;
    size_t i_ = 0;
    char16_t units_[2] = {};
    int n_ = 0, k_ = 0;
};

}  // namespace

int compareNoCase(std::string_view a, std::string_view b) {
    // ASCII is one UTF-16 unit per byte: compare folded bytes until either
    // text leaves ASCII, then walk the rest as UTF-16 units.
    const size_t common = std::min(a.size(), b.size());
    size_t i = 0;
    for (; i < common; ++i) {
        const auto ca = static_cast<uint8_t>(a[i]), cb = static_cast<uint8_t>(b[i]);
        if ((ca | cb) >= 0x80) break;
        const char16_t fa = foldAscii(ca), fb = foldAscii(cb);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    a.remove_prefix(i);
    b.remove_prefix(i);
    Utf16Units ua(a), ub(b);
    for (;;) {
        if (ua.done() || ub.done()) return (ua.done() ? 0 : 1) - (ub.done() ? 0 : 1);
        const char16_t ca = foldAscii(static_cast<char16_t>(ua.next()));
        const char16_t cb = foldAscii(static_cast<char16_t>(ub.next()));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
}

std::string removeControlChars(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        const char32_t cp = nextCodePoint(text, i);
        const bool control = cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
        if (!control) out.append(text.substr(start, i - start));
    }
    return out;
}

size_t utf16Length(std::string_view text) {
    size_t units = 0;
    for (size_t i = 0; i < text.size();) units += nextCodePoint(text, i) >= 0x10000 ? 2 : 1;
    return units;
}

std::string truncateUtf16(std::string_view text, size_t maxUnits) {
    size_t units = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        const size_t width = nextCodePoint(text, i) >= 0x10000 ? 2 : 1;
        if (units + width > maxUnits) {
            std::string out(text.substr(0, start));
            if (units < maxUnits) appendUtf8(out, 0xFFFD);  // half of a surrogate pair
            return out;
        }
        units += width;
    }
    return std::string(text);
}

}  // namespace KilnCore
