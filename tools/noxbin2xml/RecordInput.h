// Reading record files (in either form of RecordText.h) and standard input.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Inputs.h"
#include "RecordText.h"

namespace noxbin2xml {

// Reads a record in either form from a file, or from standard input for
// the path "-"; more than kMaxInputBytes is refused. Error messages do not
// name the file; callers do.
bool loadRecordFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error);

}  // namespace noxbin2xml
