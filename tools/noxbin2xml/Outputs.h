// Where the outputs of one call go, decided for every input before anything
// is written, and writing them so that no reader ever sees a partial file.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "Inputs.h"

namespace noxbin2xml {

// What -o names for this call.
struct OutputTarget {
    enum class Kind { StandardOutput, File, Folder };
    Kind kind = Kind::StandardOutput;
    std::filesystem::path path;
};

// Reads -o: none means standard output; a trailing slash, an existing
// folder, several inputs or a folder among them mean a folder. Returns a
// usage error, or an empty text.
std::string chooseTarget(const std::string& option, const InputList& list, OutputTarget& target);

// Creates the output folder and checks that files can be written in it.
// Returns the one message for the whole call, with the system's reason, or
// an empty text.
std::string prepareFolder(const std::filesystem::path& folder);

// The same place, whatever path leads there: absolute, with every existing
// link resolved. Each folder is resolved once, so a batch of thousands of
// files in a few folders costs one look at each file.
class PathResolver {
public:
    std::filesystem::path resolve(const std::filesystem::path& path);

private:
    std::map<std::filesystem::path, std::filesystem::path> folders_;
};

// The inputs' files as resolved paths, to keep outputs off them.
class InputPaths {
public:
    explicit InputPaths(const InputList& list);
    bool contains(const std::filesystem::path& path) const { return containsResolved(resolver_.resolve(path)); }
    bool containsResolved(const std::filesystem::path& resolved) const { return resolved_.count(resolved) != 0; }
    PathResolver& resolver() const { return resolver_; }

private:
    mutable PathResolver resolver_;
    std::set<std::filesystem::path> resolved_;
};

// Sets each readable input's output: the target file, or its own path under
// the target folder with `extension` (".xml"; "" for a scene's folder). An
// input whose output another input has already, or whose output is an
// input, fails with that reason; the first input keeps its output.
void planOutputs(InputList& list, const OutputTarget& target, const std::string& extension,
                 const InputPaths& inputs);

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
