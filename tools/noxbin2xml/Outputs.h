// Where the outputs of one call go, decided for every input before anything
// is written, and writing them so that no reader ever sees a partial file.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "Inputs.h"
#include "platform/Terminal.h"

namespace noxbin2xml {

// What -o names for this call.
struct OutputTarget {
    enum class Kind { StandardOutput, File, Folder };
    Kind kind = Kind::StandardOutput;
    std::filesystem::path path;
    // With Kind::StandardOutput: the stream written, standard error when -o
    // names the file standard error writes to.
    platform::StandardStream stream = platform::StandardStream::Output;
    std::FILE* streamFile() const { return stream == platform::StandardStream::Error ? stderr : stdout; }
};

// Reads -o: none or "-" means standard output, and so does a path to the
// very file an open standard stream writes to (`-o log >>log`, /dev/stdout),
// which is written through that stream, never replaced; a trailing slash, an
// existing folder, several inputs or a folder among them mean a folder.
// Returns a usage error, or an empty text.
std::string chooseTarget(const std::string& option, const InputList& list, OutputTarget& target);

// Creates the output folder and checks that files can be written in it.
// Returns the one message for the whole call, with the system's reason, or
// an empty text.
std::string prepareFolder(const std::filesystem::path& folder);

// Writes a whole output: through a link to its target, straight into a
// device or FIFO, else to a temporary file renamed into place (removed if
// the tool is stopped meanwhile). False with a message naming the output.
bool writeOutputFile(const std::filesystem::path& path, std::string_view content, std::string& error);

// Writes the content to a new file, without a temporary. The system's
// reason when it fails, or an empty text.
std::string writeNewFile(const std::filesystem::path& path, std::string_view content);

// A token that no other process writing the same folder uses, for the names
// of temporary files and folders.
const std::string& processToken();

}  // namespace noxbin2xml
