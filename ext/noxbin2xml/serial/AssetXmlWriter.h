// Writes the asset documents: exact element text, two spaces of indentation
// per level, line feeds, and the value encodings of every parameter kind.
// Text is UTF-8 and goes straight into the caller's byte buffer.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "serial/Types.h"
#include "serial/XmlCheck.h"

namespace KilnCore {

// Undoes any escaping of &, < and >, then escapes them again, so already
// escaped text comes out unchanged. Quotes are left alone.
std::string escapeXml(std::string_view text);
void appendEscapedXml(std::string& out, std::string_view text);

// The size limit of one document unless the caller sets another: far above
// any real record's, far below what a hostile record could ask for.
constexpr size_t kDefaultMaxDocumentBytes = size_t{256} << 20;

// Why a document past a size limit of `limit` bytes was given up:
// "document would exceed 256 MB".
std::string documentTooLarge(size_t limit);

// While it lives, a writer on this thread whose document passes its size
// limit gives the document up (it is cut back to nothing and what is written
// after is dropped) and says why here; the caller turns that into a failed
// conversion.
class DocumentLimitWatch {
public:
    DocumentLimitWatch();
    ~DocumentLimitWatch();
    DocumentLimitWatch(const DocumentLimitWatch&) = delete;
    DocumentLimitWatch& operator=(const DocumentLimitWatch&) = delete;

    bool passed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    void note(size_t limit) {
        if (failure_.empty()) failure_ = documentTooLarge(limit);
    }

private:
    DocumentLimitWatch* outer_;
    std::string failure_;
};

// A piece of record text that makes its document malformed XML.
struct MalformedPiece {
    size_t line = 0;           // 1-based line of the document
    std::string excerpt;       // the piece around the fault, as it would be written exactly
    const char* reason = "";   // from findMalformed
};

// What writers do beyond the exact text, for callers that ask (the
// command-line tool): their size limit, and noting the pieces of record text
// that make a document malformed, or writing them repaired.
struct DocumentChecks {
    static constexpr size_t kMaxNoted = 20;
    size_t maxBytes = kDefaultMaxDocumentBytes;
    bool repair = false;                  // write repairedXml of each such piece instead
    std::vector<MalformedPiece> pieces;   // the first kMaxNoted, in document order
    size_t malformedCount = 0;            // all of them
};

// While it lives, every writer made on this thread applies these checks;
// writers made outside any scope only apply the default size limit.
class DocumentCheckScope {
public:
    explicit DocumentCheckScope(DocumentChecks& checks);
    ~DocumentCheckScope();
    DocumentCheckScope(const DocumentCheckScope&) = delete;
    DocumentCheckScope& operator=(const DocumentCheckScope&) = delete;

private:
    DocumentChecks* outer_;
};
}  // namespace KilnCore

class TessarXMLSerializable;

class AssetXmlWriter {
public:
    // Makes room for a typical document up front instead of growing the
    // buffer step by step. Once the document passes its size limit the
    // writer gives it up (see KilnCore::DocumentLimitWatch).
    explicit AssetXmlWriter(std::string& out);

    std::string& text() { return out_; }
    int depth() const { return depth_; }
    // The document passed its size limit and was given up.
    bool gaveUp() const { return gaveUp_; }

    void beginElement(std::string_view name);
    void endElement(std::string_view name);
    void beginAsset(std::string_view url, std::string_view type, std::string_view layout);
    void endAsset();
    void beginPlugin(std::string_view name, std::string_view type);
    void endPlugin();
    void beginParameters();
    void endParameters();

    // An empty label writes the parameter name as label.
    void writeFloatParam(std::string_view name, float value, std::string_view label = {}, bool isUserData = false);
    void writeIntParam(std::string_view name, int32_t value, std::string_view label = {}, bool isUserData = false);
    void writeBoolParam(std::string_view name, bool value, std::string_view label = {}, bool isUserData = false);
    void writeStringParam(std::string_view name, std::string_view text, std::string_view label = {},
                          bool isUserData = false);
    void writeFileParam(std::string_view name, std::string_view path, std::string_view label = {},
                        bool isUserData = false);
    void writeColorParam(std::string_view name, const KilnCore::Color& color, std::string_view label = {});
    void writeAColorParam(std::string_view name, const KilnCore::AColor& color, std::string_view label = {});
    void writeVectorParam(std::string_view name, const KilnCore::Vector3& vector, std::string_view label = {});
    void writeTransformParam(std::string_view name, const KilnCore::Transform& transform,
                             std::string_view label = {});
    // A parameter of named numbers, a line each, the floats first (a
    // placement's components, for one).
    struct NamedFloat {
        std::string_view tag;
        float value;
    };
    struct NamedInt {
        std::string_view tag;
        int32_t value;
    };
    void writeNumbersParam(std::string_view type, std::string_view name, std::initializer_list<NamedFloat> floats,
                           std::initializer_list<NamedInt> ints, std::string_view label = {});
    // A reference to the object whose asset was written under baseUrl; no
    // value line at all for no object.
    void writePluginParam(std::string_view name, const TessarXMLSerializable* object, std::string_view baseUrl,
                          std::string_view label = {});

    void beginListParam(std::string_view name, std::string_view listType, std::string_view label = {});
    void writeListEntry(std::string_view text);
    void endListParam();

    // The assets this document holds once however many objects refer to
    // them, by the key their writer chose (an identifier), with the URL each
    // was written under.
    std::map<std::string, std::string>& assetsWrittenOnce() { return writtenOnce_; }

private:
    static constexpr size_t kTypicalDocument = 8192;
    void indent(int depth);
    void giveUp();
    void line(int depth, std::initializer_list<std::string_view> parts);
    void recordText(std::string_view text, KilnCore::XmlPlace place, bool escape);
    void checkPiece(size_t from, KilnCore::XmlPlace place);
    void notePiece(size_t from, const KilnCore::XmlFault& fault);
    void beginParam(std::string_view type, std::string_view name, std::string_view handler,
                    std::string_view listType, std::string_view label, bool isUserData);
    void endParam();
    void valueLine(std::string_view text);
    void floatLine(int depth, std::string_view tag, float value);
    void intLine(int depth, std::string_view tag, int32_t value);
    template <class Lines>
    void blockParam(std::string_view type, std::string_view name, std::string_view label, Lines lines);
    void vectorBlock(int depth, const KilnCore::Vector3& v);

    std::string& out_;
    const size_t start_;  // where this document starts in out_
    KilnCore::DocumentChecks* checks_;
    size_t maxBytes_;
    size_t linesBefore_ = 0, countedTo_;  // line feeds in out_ from start_ to countedTo_
    int depth_ = 0;
    bool gaveUp_ = false;
    KilnCore::DocumentLimitWatch* limitWatch_;
    std::map<std::string, std::string> writtenOnce_;
};

namespace KilnCore {

// Writes straight onto the end of `xml` through one writer; a document
// given up past its size limit leaves `xml` as it was.
template <class Write>
void appendDocument(std::string& xml, Write&& write) {
    const size_t start = xml.size();
    AssetXmlWriter writer(xml);
    write(writer);
    if (writer.gaveUp()) xml.resize(start);
}

}  // namespace KilnCore
