#include "RecordText.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace noxbin2xml {
namespace {

// Streams the numbers of one flat array straight into the byte vector, so a
// ten-million-element record never becomes a document tree.
class ByteArrayReader : public nlohmann::json_sax<nlohmann::json> {
public:
    explicit ByteArrayReader(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    std::string error;

    bool start_array(std::size_t) override { return ++depth_ == 1 || refuse("nested arrays"); }
    bool end_array() override {
        --depth_;
        return true;
    }
    bool number_integer(number_integer_t v) override { return push(static_cast<uint64_t>(v)); }
    bool number_unsigned(number_unsigned_t v) override { return push(v); }
    bool number_float(number_float_t, const string_t& text) override { return refuse("the number " + text); }
    bool null() override { return refuse("null"); }
    bool boolean(bool) override { return refuse("a boolean"); }
    bool string(string_t&) override { return refuse("a string"); }
    bool binary(binary_t&) override { return refuse("binary data"); }
    bool start_object(std::size_t) override { return refuse("an object"); }
    bool key(string_t&) override { return false; }
    bool end_object() override { return false; }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) override {
        if (error.empty()) errorPosition = position;
        return false;
    }
    size_t errorPosition = 0;  // 1-based; 0 when the text parsed

private:
    bool push(uint64_t v) {
        if (depth_ != 1) return refuse("a number outside the array");
        bytes_.push_back(static_cast<uint8_t>(v & 0xFF));
        return true;
    }
    bool refuse(const std::string& what) {
        error = "expected integers in one array, found " + what;
        return false;
    }
    std::vector<uint8_t>& bytes_;
    int depth_ = 0;
};

// "malformed text at character 25: oops]" with the text from there on, cut
// at the end of its line.
std::string malformedAt(std::string_view text, size_t position) {
    if (position == 0) return "malformed text input";
    std::string_view rest = text.substr(std::min(position - 1, text.size()));
    rest = rest.substr(0, std::min(rest.find('\n'), size_t{24}));
    std::string message = "malformed text at character " + std::to_string(position);
    if (!rest.empty()) message += ": " + std::string(rest);
    return message;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r\n";

}  // namespace

std::string_view recordText(std::string_view content) {
    if (content.substr(0, kByteOrderMark.size()) == kByteOrderMark) content.remove_prefix(kByteOrderMark.size());
    size_t first = content.find_first_not_of(kBlanks);
    if (first != std::string_view::npos && content.substr(first, 2) == "=>")
        first = content.find_first_not_of(kBlanks, first + 2);
    if (first == std::string_view::npos || content[first] != '[') return {};
    return content.substr(first);
}

bool parseRecordText(std::string_view text, std::vector<uint8_t>& bytes, std::string& error) {
    bytes.clear();
    ByteArrayReader reader(bytes);
    // Not strict: what follows the array (a console's "nil", a prompt) is left unread.
    const bool ok = nlohmann::json::sax_parse(text.begin(), text.end(), &reader, nlohmann::json::input_format_t::json,
                                              false);
    if (!ok) {
        error = reader.error.empty() ? malformedAt(text, reader.errorPosition) : reader.error;
        return false;
    }
    if (bytes.empty()) {
        error = "the array is empty";
        return false;
    }
    return true;
}

bool recordFromContent(std::string_view content, std::vector<uint8_t>& bytes, std::string& error) {
    if (content.size() > kMaxInputBytes) {
        error = "the input holds more than the " + std::to_string(kMaxInputBytes >> 20) + " MB an input may have";
        return false;
    }
    if (content.empty()) {
        error = "the input is empty";
        return false;
    }
    if (const std::string_view text = recordText(content); !text.empty()) return parseRecordText(text, bytes, error);
    bytes.assign(content.begin(), content.end());
    return true;
}

}  // namespace noxbin2xml
