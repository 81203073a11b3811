// Running one conversion over many inputs: expanding folders, naming
// outputs, a progress bar for long batches, and the closing summary.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace noxbin2xml {

struct Input {
    std::filesystem::path path;      // "-" is standard input
    std::filesystem::path relative;  // where its output goes under an output folder
};

struct InputList {
    std::vector<Input> inputs;
    bool fromFolder = false;  // an argument was a folder: outputs go to a folder too
};

// Files as given, folders as every regular file below them (sorted).
// False with a message when an argument does not exist.
bool expandInputs(const std::vector<std::string>& arguments, InputList& list, std::string& error);

// Hands out output paths so that no two inputs write the same file and no
// output replaces an input.
class OutputClaims {
public:
    explicit OutputClaims(const InputList& list);
    // False with a message when the path is taken or is one of the inputs.
    bool claim(const std::filesystem::path& path, const Input& input, std::string& error);

private:
    std::set<std::filesystem::path> inputs_;               // canonical paths of the input files
    std::map<std::filesystem::path, std::string> claims_;  // output path -> the input that claimed it
};

struct JobResult {
    bool ok = false;
    std::string message;  // shown for failures (and summaries of successes when not empty)
};

// Runs job on every input in order; one failure never stops the others.
// Shows a progress bar on standard error when it is a terminal and the batch
// is long, then "N converted, M failed". Returns the process exit status:
// 0 when every input converted, 1 otherwise.
int runBatch(const std::vector<Input>& inputs, const std::function<JobResult(const Input&)>& job);

}  // namespace noxbin2xml
