// Records as files hold them: raw record bytes, or the textual form a
// maintainer copies out of the host's Ruby console or a JSON file
// ("[12, 0, 3, ...]").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace noxbin2xml {

// Inputs past this size are refused: far above any real record.
constexpr uintmax_t kMaxInputBytes = uintmax_t{256} << 20;

// The textual form inside the content, from its '[' on, or an empty view
// for raw bytes. A byte-order mark, blanks and a console's "=>" may come
// before the '['. Raw records start with a version word whose low byte is a
// tag (0 or 1) or a scene kind (1 to 6), so they never look like this.
std::string_view recordText(std::string_view content);

// Parses "[n, n, ...]": each integer contributes its low byte, as the
// extension does with Ruby arrays; text after the closing ']' is ignored.
// False with a message for anything else.
bool parseRecordText(std::string_view text, std::vector<uint8_t>& bytes, std::string& error);

// The record in a file's content, in either form; more than kMaxInputBytes
// is refused.
bool recordFromContent(std::string_view content, std::vector<uint8_t>& bytes, std::string& error);

}  // namespace noxbin2xml
