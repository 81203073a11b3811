#include "serial/AssetXmlWriter.h"

#include <algorithm>
#include <cstring>

#include "serial/NumberFormat.h"
#include "serial/Serializable.h"

using namespace KilnCore;

namespace KilnCore {
namespace {

// Replaces every `from` by `to`, scanning left to right and continuing after
// the inserted text.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    for (size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
        out.append(text.substr(pos, hit - pos));
        out.append(to);
    }
    out.append(text.substr(pos));
    return out;
}

}  // namespace

void appendEscapedXml(std::string& out, std::string_view text) {
    if (text.find_first_of("&<>") == std::string_view::npos) {
        out.append(text);
        return;
    }
    std::string plain(text);
    if (plain.find('&') != std::string::npos) {
        plain = replaceAll(plain, "&lt;", "<");
        plain = replaceAll(plain, "&gt;", ">");
        plain = replaceAll(plain, "&amp;", "&");
    }
    for (const char c : plain) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
}

std::string escapeXml(std::string_view text) {
    std::string out;
    appendEscapedXml(out, text);
    return out;
}

namespace {
thread_local DocumentChecks* activeChecks = nullptr;
thread_local DocumentLimitWatch* activeLimitWatch = nullptr;
}  // namespace

DocumentCheckScope::DocumentCheckScope(DocumentChecks& checks) : outer_(activeChecks) { activeChecks = &checks; }
DocumentCheckScope::~DocumentCheckScope() { activeChecks = outer_; }

std::string documentTooLarge(size_t limit) { return "document would exceed " + std::to_string(limit >> 20) + " MB"; }

DocumentLimitWatch::DocumentLimitWatch() : outer_(activeLimitWatch) { activeLimitWatch = this; }
DocumentLimitWatch::~DocumentLimitWatch() { activeLimitWatch = outer_; }

}  // namespace KilnCore

namespace {
constexpr std::string_view kSpaces = "                                                                ";

// Copies a piece into the line buffer. Pieces are mostly a few bytes long,
// where fixed-size copies beat a library call per piece.
inline char* copyPiece(char* to, std::string_view piece) {
    const char* from = piece.data();
    const size_t n = piece.size();
    if (n >= 8 && n <= 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 16) {
        std::memcpy(to, from, n);
    } else if (n > 0) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    }
    return to + n;
}

constexpr size_t kExcerptSide = 30;  // bytes shown on either side of a fault

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Up to kExcerptSide bytes either side of `at`, cut between characters.
std::string excerptAround(std::string_view text, size_t at) {
    size_t from = at > kExcerptSide ? at - kExcerptSide : 0;
    size_t to = std::min(text.size(), at + kExcerptSide);
    while (from < at && continuationByte(text[from])) ++from;
    while (to > at + 1 && to < text.size() && continuationByte(text[to])) --to;
    return std::string(text.substr(from, to - from));
}

// A number's text written into `buf`.
std::string_view floatText(char* buf, float value) {
    return {buf, static_cast<size_t>(writeFloat(buf, value) - buf)};
}
std::string_view intText(char* buf, int32_t value) {
    return {buf, static_cast<size_t>(writeInt(buf, value) - buf)};
}

}  // namespace

AssetXmlWriter::AssetXmlWriter(std::string& out)
    : out_(out),
      start_(out.size()),
      checks_(activeChecks),
      maxBytes_(checks_ ? checks_->maxBytes : kDefaultMaxDocumentBytes),
      countedTo_(start_),
      limitWatch_(activeLimitWatch) {
    out_.reserve(out_.size() + kTypicalDocument);
}

// Appends text that comes from a record, as it is or escaped, then checks it.
void AssetXmlWriter::recordText(std::string_view text, XmlPlace place, bool escape) {
    if (gaveUp_) return;
    const size_t from = out_.size();
    if (escape)
        appendEscapedXml(out_, text);
    else
        out_ += text;
    checkPiece(from, place);
}

// Notes the piece of record text written from `from` to the end when it
// cannot stand there, and repairs it when asked to.
void AssetXmlWriter::checkPiece(size_t from, XmlPlace place) {
    if (!checks_ || gaveUp_) return;
    const XmlFault fault = findMalformed(std::string_view(out_).substr(from), place);
    if (!fault) return;
    notePiece(from, fault);
    if (checks_->repair) out_.replace(from, std::string::npos, repairedXml(std::string_view(out_).substr(from)));
}

void AssetXmlWriter::notePiece(size_t from, const XmlFault& fault) {
    ++checks_->malformedCount;
    if (checks_->pieces.size() >= DocumentChecks::kMaxNoted) return;
    linesBefore_ += static_cast<size_t>(std::count(out_.begin() + countedTo_, out_.begin() + from, '\n'));
    countedTo_ = from;
    checks_->pieces.push_back({linesBefore_ + 1, excerptAround(std::string_view(out_).substr(from), fault.offset),
                               fault.reason});
}

void AssetXmlWriter::indent(int depth) {
    // Copying from a run of spaces is cheaper than filling; deeper levels
    // (never seen in practice) take several copies.
    for (size_t width = depth > 0 ? 2 * static_cast<size_t>(depth) : 0; width > 0;) {
        const size_t chunk = std::min(width, kSpaces.size());
        out_.append(kSpaces.data(), chunk);
        width -= chunk;
    }
}

// Gathers the indentation and the parts in a local buffer and appends them
// at once: one append per line instead of one per piece.
void AssetXmlWriter::line(int depth, std::initializer_list<std::string_view> parts) {
    char buf[512];
    char* used = buf;
    const size_t width = depth > 0 ? 2 * static_cast<size_t>(depth) : 0;
    if (width > kSpaces.size())
        indent(depth);
    else
        used = copyPiece(used, kSpaces.substr(0, width));
    for (const std::string_view part : parts) {
        if (static_cast<size_t>(buf + sizeof buf - used) < part.size()) {
            out_.append(buf, static_cast<size_t>(used - buf));
            used = buf;
            if (part.size() > sizeof buf) {
                out_.append(part);
                continue;
            }
        }
        used = copyPiece(used, part);
    }
    out_.append(buf, static_cast<size_t>(used - buf));
    if (gaveUp_ || out_.size() - start_ > maxBytes_) giveUp();
}

// Past the size limit: the document is cut back to nothing, and so is what
// is written after, at every line, so it never grows again.
void AssetXmlWriter::giveUp() {
    if (!gaveUp_ && limitWatch_) limitWatch_->note(maxBytes_);
    gaveUp_ = true;
    out_.resize(start_);
}

void AssetXmlWriter::beginElement(std::string_view name) {
    line(++depth_, {"<", name, ">\n"});
}

void AssetXmlWriter::endElement(std::string_view name) {
    line(depth_--, {"</", name, ">\n"});
}

void AssetXmlWriter::beginAsset(std::string_view url, std::string_view type, std::string_view layout) {
    line(++depth_, {"<Asset layout=\"", layout, "\" renderer=\"kiln\" type=\"", type, "\" url=\""});
    recordText(url, XmlPlace::Attribute, true);
    out_ += "\" >\n";
}

void AssetXmlWriter::endAsset() {
    line(depth_--, {"</Asset>\n"});
}

void AssetXmlWriter::beginPlugin(std::string_view name, std::string_view type) {
    line(++depth_, {"<plugin>\n"});
    line(++depth_, {"<kilnplugin name=\""});
    recordText(name, XmlPlace::Attribute, false);
    line(0, {"\" type=\"", type, "\">\n"});
}

void AssetXmlWriter::endPlugin() {
    line(depth_--, {"</kilnplugin>\n"});
    line(depth_--, {"</plugin>\n"});
}

void AssetXmlWriter::beginParameters() {
    line(depth_ + 1, {"<parameters>\n"});
    depth_ += 2;
}

void AssetXmlWriter::endParameters() {
    line(depth_ - 1, {"</parameters>\n"});
    depth_ -= 2;
}

void AssetXmlWriter::beginParam(std::string_view type, std::string_view name, std::string_view handler,
                                std::string_view listType, std::string_view label, bool isUserData) {
    line(depth_, {"<parameter type=\"", type, "\" name=\"", name, "\" handler=\"", handler, "\" listType=\"",
                  listType, isUserData ? "\" isUserData=\"1\"" : "\"", " label=\"", label.empty() ? name : label,
                  "\">\n"});
    ++depth_;
}

void AssetXmlWriter::endParam() {
    line(--depth_, {"</parameter>\n"});
}

void AssetXmlWriter::valueLine(std::string_view text) {
    line(depth_, {"<value>", text, "</value>\n"});
}

void AssetXmlWriter::floatLine(int depth, std::string_view tag, float value) {
    char number[kMaxFloatText];
    line(depth, {"<", tag, ">", floatText(number, value), "</", tag, ">\n"});
}

void AssetXmlWriter::vectorBlock(int depth, const Vector3& v) {
    line(depth, {"<vector>\n"});
    floatLine(depth + 1, "x", v.x);
    floatLine(depth + 1, "y", v.y);
    floatLine(depth + 1, "z", v.z);
    line(depth, {"</vector>\n"});
}

void AssetXmlWriter::writeFloatParam(std::string_view name, float value, std::string_view label, bool isUserData) {
    beginParam("float", name, "default", "none", label, isUserData);
    char number[kMaxFloatText];
    valueLine(floatText(number, value));
    endParam();
}

void AssetXmlWriter::writeIntParam(std::string_view name, int32_t value, std::string_view label, bool isUserData) {
    beginParam("integer", name, "default", "none", label, isUserData);
    char number[kMaxIntText];
    valueLine(intText(number, value));
    endParam();
}

void AssetXmlWriter::writeBoolParam(std::string_view name, bool value, std::string_view label, bool isUserData) {
    beginParam("bool", name, "default", "none", label, isUserData);
    valueLine(value ? "1" : "0");
    endParam();
}

void AssetXmlWriter::writeStringParam(std::string_view name, std::string_view text, std::string_view label,
                                      bool isUserData) {
    beginParam("string", name, "default", "none", label, isUserData);
    line(depth_, {"<value>"});
    recordText(text, XmlPlace::Text, false);
    out_ += "</value>\n";
    endParam();
}

void AssetXmlWriter::writeFileParam(std::string_view name, std::string_view path, std::string_view label,
                                    bool isUserData) {
    beginParam("string", name, "FileBrowserHandler", "none", label, isUserData);
    line(depth_, {"<value>"});
    recordText(path, XmlPlace::Text, true);
    out_ += "</value>\n";
    endParam();
}

// A parameter whose value spans several lines between <value> and </value>;
// `lines` writes them at the depth it is given.
template <class Lines>
void AssetXmlWriter::blockParam(std::string_view type, std::string_view name, std::string_view label, Lines lines) {
    beginParam(type, name, "default", "none", label, false);
    line(depth_, {"<value>\n"});
    lines(depth_ + 1);
    line(depth_, {"</value>\n"});
    endParam();
}

void AssetXmlWriter::writeColorParam(std::string_view name, const Color& color, std::string_view label) {
    blockParam("color", name, label, [&](int d) {
        floatLine(d, "r", color.r);
        floatLine(d, "g", color.g);
        floatLine(d, "b", color.b);
    });
}

void AssetXmlWriter::writeAColorParam(std::string_view name, const AColor& color, std::string_view label) {
    blockParam("acolor", name, label, [&](int d) {
        floatLine(d, "r", color.r);
        floatLine(d, "g", color.g);
        floatLine(d, "b", color.b);
        floatLine(d, "a", color.a);
    });
}

void AssetXmlWriter::writeVectorParam(std::string_view name, const Vector3& vector, std::string_view label) {
    blockParam("vector", name, label, [&](int d) { vectorBlock(d, vector); });
}

void AssetXmlWriter::writeTransformParam(std::string_view name, const Transform& transform, std::string_view label) {
    blockParam("transform", name, label, [&](int d) {
        for (const Vector3& e : transform.matrix.e) vectorBlock(d, e);
        vectorBlock(d, transform.offset);
    });
}

void AssetXmlWriter::intLine(int depth, std::string_view tag, int32_t value) {
    char number[kMaxIntText];
    line(depth, {"<", tag, ">", intText(number, value), "</", tag, ">\n"});
}

void AssetXmlWriter::writeNumbersParam(std::string_view type, std::string_view name,
                                      std::initializer_list<NamedFloat> floats, std::initializer_list<NamedInt> ints,
                                      std::string_view label) {
    blockParam(type, name, label, [&](int d) {
        for (const NamedFloat& number : floats) floatLine(d, number.tag, number.value);
        for (const NamedInt& number : ints) intLine(d, number.tag, number.value);
    });
}

void AssetXmlWriter::writePluginParam(std::string_view name, const TessarXMLSerializable* object,
                                      std::string_view baseUrl, std::string_view label) {
    beginParam("plugin", name, "default", "none", label, false);
    if (object) {
        line(depth_, {"<value>"});
        const size_t from = out_.size();
        appendEscapedXml(out_, baseUrl);
        object->appendAssetName(out_);
        checkPiece(from, XmlPlace::Text);
        out_ += "</value>\n";
    }
    endParam();
}

void AssetXmlWriter::beginListParam(std::string_view name, std::string_view listType, std::string_view label) {
    beginParam("list", name, "default", listType, label, false);
    line(depth_, {"<value>\n"});
    line(depth_, {"<list>\n"});
    ++depth_;
}

void AssetXmlWriter::writeListEntry(std::string_view text) {
    line(depth_, {"<entry>"});
    recordText(text, XmlPlace::Text, true);
    out_ += "</entry>\n";
}

void AssetXmlWriter::endListParam() {
    --depth_;
    line(depth_, {"</list>\n"});
    line(depth_, {"</value>\n"});
    endParam();
}
