#include "serial/XmlCheck.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

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

// XML 1.0 name characters (fifth edition); ':' is left out, so that no
// namespace prefix needs a declaration.
bool isNameStart(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || (c >= 0xC0 && c <= 0xD6) ||
           (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
           (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D || (c >= 0x2070 && c <= 0x218F) ||
           (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
           (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameChar(char32_t c) {
    return isNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || c == 0x203F || c == 0x2040;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Markup that record text brings into element content, read only as far as
// telling whether it is well-formed on its own: comments, processing
// instructions, CDATA sections and elements that close within the text.
class MarkupReader {
public:
    explicit MarkupReader(std::string_view text) : text_(text) {}

    // The length of the well-formed markup at `at` (a '<'), or 0.
    size_t lengthAt(size_t at) {
        pos_ = at;
        return markup(0) ? pos_ - at : 0;
    }

private:
    static constexpr int kMaxDepth = 64;

    bool startsWith(std::string_view prefix) const { return text_.substr(pos_, prefix.size()) == prefix; }

    char32_t next(size_t& length) const {
        char32_t c = 0;
        length = pos_ < text_.size() ? decodeUtf8At(text_, pos_, c) : 0;
        return length ? c : 0;
    }

    // Characters up to `end`, which must follow; every one allowed in XML.
    bool charactersUntil(std::string_view end) {
        const size_t stop = text_.find(end, pos_);
        if (stop == std::string_view::npos) return false;
        while (pos_ < stop) {
            size_t length = 0;
            if (!isXmlChar(next(length)) || length == 0) return false;
            pos_ += length;
        }
        pos_ += end.size();
        return true;
    }

    bool name(std::string* out = nullptr) {
        const size_t from = pos_;
        size_t length = 0;
        if (!isNameStart(next(length))) return false;
        for (pos_ += length; isNameChar(next(length)); pos_ += length) {
        }
        if (out) *out = std::string(text_.substr(from, pos_ - from));
        return true;
    }

    bool skipSpace() {
        const size_t from = pos_;
        while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
        return pos_ > from;
    }

    bool comment() {
        const size_t from = pos_ += 4;
        if (!charactersUntil("-->")) return false;
        const std::string_view body = text_.substr(from, pos_ - 3 - from);
        return body.find("--") == std::string_view::npos && (body.empty() || body.back() != '-');
    }

    bool instruction() {
        pos_ += 2;
        std::string target;
        if (!name(&target)) return false;
        std::string lower = target;
        for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (lower == "xml") return false;
        if (startsWith("?>")) return pos_ += 2, true;
        return skipSpace() && charactersUntil("?>");
    }

    bool attributeValue() {
        const char quote = text_[pos_++];
        while (pos_ < text_.size() && text_[pos_] != quote) {
            size_t length = 0;
            if (text_[pos_] == '<') return false;
            if (text_[pos_] == '&') length = referenceLength(text_.substr(pos_));
            else if (!isXmlChar(next(length))) return false;
            if (length == 0) return false;
            pos_ += length;
        }
        return pos_++ < text_.size();
    }

    bool element(int depth) {
        ++pos_;
        std::string tag;
        if (!name(&tag)) return false;
        std::vector<std::string> attributes;
        for (;;) {
            const bool spaced = skipSpace();
            if (startsWith("/>")) return pos_ += 2, true;
            if (startsWith(">")) break;
            std::string attribute;
            if (!spaced || !name(&attribute)) return false;
            if (std::find(attributes.begin(), attributes.end(), attribute) != attributes.end()) return false;
            attributes.push_back(attribute);
            skipSpace();
            if (!startsWith("=")) return false;
            ++pos_;
            skipSpace();
            if (!startsWith("\"") && !startsWith("'")) return false;
            if (!attributeValue()) return false;
        }
        ++pos_;
        return content(depth) && endTag(tag);
    }

    // Element content up to its end tag.
    bool content(int depth) {
        while (pos_ < text_.size() && !startsWith("</")) {
            size_t length = 0;
            if (text_[pos_] == '<') {
                if (!markup(depth + 1)) return false;
                continue;
            }
            if (text_[pos_] == '&') length = referenceLength(text_.substr(pos_));
            else if (startsWith("]]>") || !isXmlChar(next(length))) return false;
            if (length == 0) return false;
            pos_ += length;
        }
        return pos_ < text_.size();
    }

    bool endTag(const std::string& tag) {
        pos_ += 2;
        std::string closing;
        if (!name(&closing) || closing != tag) return false;
        skipSpace();
        return startsWith(">") && (++pos_, true);
    }

    bool markup(int depth) {
        if (depth > kMaxDepth) return false;
        if (startsWith("<!--")) return comment();
        if (startsWith("<![CDATA[")) return (pos_ += 9, charactersUntil("]]>"));
        if (startsWith("<?")) return instruction();
        return element(depth);
    }

    std::string_view text_;
    size_t pos_ = 0;
};

// Why the byte at text[i] (one kLook marks) cannot stand there, or nullptr;
// `length` becomes the number of bytes it covers.
const char* lookAt(std::string_view text, size_t i, XmlPlace place, size_t& length) {
    const auto c = static_cast<uint8_t>(text[i]);
    length = 1;
    switch (c) {
        case '<': {
            // Markup that is well-formed on its own is no fault in content.
            const size_t markup = place == XmlPlace::Text ? MarkupReader(text).lengthAt(i) : 0;
            length = markup ? markup : 1;
            return markup ? nullptr : "a '<'";
        }
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
