// Reading record files: raw record bytes, or the textual form a maintainer
// copies out of the host's Ruby console or a JSON file ("[12, 0, 3, ...]").
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace noxbin2xml {

// True when the content looks like the textual form: its first non-blank
// character is '['. Raw records start with a version word whose low byte is
// a tag (0 or 1), never '['.
bool looksLikeText(std::string_view content);

// Parses "[n, n, ...]": each integer contributes its low byte, as the
// extension does with Ruby arrays. False with a message for anything else.
bool parseRecordText(std::string_view text, std::vector<uint8_t>& bytes, std::string& error);

// Reads a record in either form from a file, or from standard input for
// the path "-". Error messages do not name the file; callers do.
bool loadRecordFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error);

// Writes through a temporary file in the same folder and renames it into
// place, so a reader never sees a half-written output.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view content, std::string& error);

}  // namespace noxbin2xml
