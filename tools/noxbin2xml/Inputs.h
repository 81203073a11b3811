// The inputs of one call: files as given, folders as every file below them.
// An input that cannot be read carries its reason and fails on its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "RecordText.h"

namespace noxbin2xml {

struct Input {
    std::filesystem::path path;      // "-" is standard input
    std::filesystem::path relative;  // where its output goes under an output folder
    std::string error;               // why it cannot be read; empty for a readable input
    std::filesystem::path output;    // set by the output plan; empty for standard output
};

struct InputList {
    std::vector<Input> inputs;
    bool fromFolder = false;  // an argument was a folder: outputs go to a folder too
};

// Regular files and standard input are inputs; a missing path, a FIFO, a
// device, an unreadable folder or a file past kMaxInputBytes becomes an
// input that fails with its reason. Folders are walked in sorted order,
// following links to folders once each.
InputList expandInputs(const std::vector<std::string>& arguments);

}  // namespace noxbin2xml
