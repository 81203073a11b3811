// Text handling. Every text in the scene model is held as UTF-8 in a
// std::string. The old records were written on Windows, where text was UTF-16
// and case-insensitive comparison meant _wcsicmp in the C locale; the helpers
// here reproduce those rules on UTF-8 text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace KilnCore {

// True when the bytes are well-formed UTF-8 (no overlong forms, no encoded
// surrogates, nothing above U+10FFFF, no truncated sequence).
bool isStrictUtf8(std::string_view bytes);

// The length of the well-formed UTF-8 sequence at text[i], with its code point
// in codePoint; 0 when the bytes there are not well-formed UTF-8.
size_t decodeUtf8At(std::string_view text, size_t i, char32_t& codePoint);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined
// map to the C1 control characters of the same value, as Windows does.
std::string cp1252ToUtf8(std::string_view bytes);

// Bytes from a record or from Ruby: kept when they are strict UTF-8, otherwise
// read as Windows-1252, the code page the old records were written under.
std::string decodeLegacyText(std::string_view bytes);

// Case-insensitive three-way comparison: ASCII letters fold to lower case and
// everything else compares by UTF-16 code unit, as _wcsicmp does.
int compareNoCase(std::string_view a, std::string_view b);
inline bool equalsNoCase(std::string_view a, std::string_view b) { return compareNoCase(a, b) == 0; }

struct NoCaseLess {
    using is_transparent = void;  // maps look keys up by string_view without a copy
    bool operator()(std::string_view a, std::string_view b) const { return compareNoCase(a, b) < 0; }
};

// Removes C0 and C1 control characters (U+0000..U+001F, U+007F..U+009F).
std::string removeControlChars(std::string_view text);

// A name without the counter free names end in: its trailing decimal digits.
inline std::string_view withoutCounter(std::string_view name) {
    size_t end = name.size();
    while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9') --end;
    return name.substr(0, end);
}

// Number of UTF-16 code units the text occupies.
size_t utf16Length(std::string_view text);

// The first maxUnits UTF-16 code units of the text. A surrogate pair cut in
// half leaves a lone surrogate, which becomes U+FFFD on the way back to UTF-8.
std::string truncateUtf16(std::string_view text, size_t maxUnits);

// Appends the UTF-8 encoding of one code point.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace KilnCore
