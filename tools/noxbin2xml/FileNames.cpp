#include "FileNames.h"

#include <algorithm>
#include <cstdint>

#include "serial/Text.h"

namespace noxbin2xml {
namespace {

constexpr size_t kMaxNameBytes = 120;

struct KeyEntry {
    char32_t character;
    uint16_t start;  // in kKeyPool
    uint8_t length;
};

struct CombiningRun {
    char32_t first;
    char32_t last;
    uint8_t combiningClass;
};

#include "NameKeys.inc"

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// Windows opens the device, not a file, for these names, whatever extension
// follows and with trailing spaces: "nul.xml" and "Com1 .txt" are devices.
bool isDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), asciiUpper);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    const std::string_view port = std::string_view(stem).substr(std::min<size_t>(3, stem.size()));
    const bool numbered = (port.size() == 1 && port[0] >= '0' && port[0] <= '9') ||
                          port == "\xC2\xB9" || port == "\xC2\xB2" || port == "\xC2\xB3";  // ¹ ² ³
    return numbered && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0);
}

bool refusedCharacter(unsigned char c) {
    return c < 0x20 || std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// A byte that is not UTF-8 stands for itself, as a code point no character
// decodes to (so that it never equals a character).
constexpr char32_t kStrayByteBase = 0xDC00;

// Hangul syllables decompose by rule into two or three letters.
void appendHangul(char32_t c, std::u32string& out) {
    const char32_t index = c - 0xAC00;
    out += static_cast<char32_t>(0x1100 + index / 588);
    out += static_cast<char32_t>(0x1161 + index % 588 / 28);
    if (index % 28) out += static_cast<char32_t>(0x11A7 + index % 28);
}

void appendKeyOf(char32_t c, std::u32string& out) {
    if (c < 0x80) {
        out += c >= 'A' && c <= 'Z' ? c + 32 : c;
        return;
    }
    if (c >= 0xAC00 && c <= 0xD7A3) return appendHangul(c, out);
    const auto entry = std::lower_bound(std::begin(kKeyEntries), std::end(kKeyEntries), c,
                                        [](const KeyEntry& e, char32_t value) { return e.character < value; });
    if (entry == std::end(kKeyEntries) || entry->character != c) {
        out += c;
        return;
    }
    out.append(kKeyPool + entry->start, entry->length);
}

int combiningClass(char32_t c) {
    if (c < 0x300) return 0;
    const auto run = std::lower_bound(std::begin(kCombiningRuns), std::end(kCombiningRuns), c,
                                      [](const CombiningRun& r, char32_t value) { return r.last < value; });
    return run != std::end(kCombiningRuns) && c >= run->first ? run->combiningClass : 0;
}

// Marks that follow one another in any order are one text: each run of
// marks sorted by class, stably.
void putMarksInCanonicalOrder(std::u32string& text) {
    for (size_t i = 0; i < text.size();) {
        size_t end = i;
        while (end < text.size() && combiningClass(text[end]) != 0) ++end;
        std::stable_sort(text.begin() + static_cast<long>(i), text.begin() + static_cast<long>(end),
                         [](char32_t a, char32_t b) { return combiningClass(a) < combiningClass(b); });
        i = end == i ? i + 1 : end;
    }
}

}  // namespace

std::string fileNameFor(const std::string& name) {
    std::string out;
    for (size_t i = 0; i < name.size();) {
        char32_t unused;
        const size_t length = KilnCore::decodeUtf8At(name, i, unused);  // 0: a byte that is not UTF-8
        if (out.size() + std::max<size_t>(length, 1) > kMaxNameBytes) break;
        if (length == 0 || (length == 1 && refusedCharacter(static_cast<unsigned char>(name[i])))) {
            out += '_';
            ++i;
        } else {
            out.append(name, i, length);
            i += length;
        }
    }
    for (auto c = out.rbegin(); c != out.rend() && (*c == '.' || *c == ' '); ++c) *c = '_';
    if (out.empty()) out = "_";
    if (isDeviceName(out)) out.insert(0, 1, '_');
    return out;
}

std::string nameKey(std::string_view name) {
    std::u32string key;
    for (size_t i = 0; i < name.size();) {
        char32_t c = 0;
        const size_t length = KilnCore::decodeUtf8At(name, i, c);
        if (length == 0) c = kStrayByteBase + static_cast<unsigned char>(name[i]);
        i += std::max<size_t>(length, 1);
        appendKeyOf(c, key);
    }
    putMarksInCanonicalOrder(key);
    std::string out;
    for (const char32_t c : key) KilnCore::appendUtf8(out, c);
    return out;
}

std::string materialFileName(const std::string& name, std::set<std::string>& used) {
    const std::string base = fileNameFor(name);
    std::string candidate = base + ".xml";
    for (int counter = 2; !used.insert(nameKey(candidate)).second; ++counter)
        candidate = base + "-" + std::to_string(counter) + ".xml";
    return candidate;
}

}  // namespace noxbin2xml
