// Telling whether a piece of written text can stand in a well-formed XML 1.0
// document, and repairing it when it cannot. The writer checks the pieces
// that come from records (names, URLs, paths, string values); everything else
// it writes is fixed text.
#pragma once

#include <string>
#include <string_view>

namespace KilnCore {

enum class XmlPlace {
    Text,       // element content
    Attribute,  // a value between double quotation marks
};

// The first thing in a text that cannot stand at its place: '<' (in content:
// one that starts no markup well-formed within the text, such as a comment,
// a processing instruction, a CDATA section or an element closed in the
// text; the markup itself is no fault), an '&' that starts no reference, ']]>' in text, '"' in an attribute, a character XML
// 1.0 forbids, or bytes that are not UTF-8.
struct XmlFault {
    const char* reason = nullptr;  // a short phrase ("a quotation mark"); nullptr when there is none
    size_t offset = 0;             // where it starts in the text
    explicit operator bool() const { return reason != nullptr; }
};
XmlFault findMalformed(std::string_view text, XmlPlace place);

// The text with &, <, > and " escaped (references that are already escaped
// stay as they are) and every forbidden character or stray byte replaced by
// U+FFFD, so that it stands anywhere.
std::string repairedXml(std::string_view text);

}  // namespace KilnCore
