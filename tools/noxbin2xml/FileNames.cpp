#include "FileNames.h"

#include <algorithm>
#include <cstdint>

#include "serial/Text.h"

namespace noxbin2xml {
namespace {

constexpr size_t kMaxNameBytes = 120;

// Characters first..last (every one, or every other one: step) whose case
// key is the character plus offset; sorted, not overlapping.
struct CaseKeyRun {
    char32_t first;
    char32_t last;
    int offset;
    int step;
};

constexpr CaseKeyRun kCaseKeyRuns[] = {
#include "CaseKeyRuns.inc"
};

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

char32_t caseKeyOf(char32_t c) {
    if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
    const auto run = std::lower_bound(std::begin(kCaseKeyRuns), std::end(kCaseKeyRuns), c,
                                      [](const CaseKeyRun& r, char32_t value) { return r.last < value; });
    if (run == std::end(kCaseKeyRuns) || c < run->first || (c - run->first) % run->step != 0) return c;
    return static_cast<char32_t>(static_cast<int>(c) + run->offset);
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

std::string caseKey(std::string_view name) {
    std::string key;
    for (size_t i = 0; i < name.size();) {
        char32_t c = static_cast<unsigned char>(name[i]);  // a byte that is not UTF-8 stands for itself
        i += std::max<size_t>(KilnCore::decodeUtf8At(name, i, c), 1);
        KilnCore::appendUtf8(key, caseKeyOf(c));
    }
    return key;
}

}  // namespace noxbin2xml
