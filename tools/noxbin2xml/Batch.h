// Running one conversion over many inputs: expanding folders, naming
// outputs, a progress bar for long batches, and the closing summary.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace noxbin2xml {

struct Input {
    std::filesystem::path path;      // "-" is standard input
    std::filesystem::path relative;  // where its output goes under an output folder
};

// Files as given, folders as every regular file below them (sorted).
// False with a message when an argument does not exist.
bool expandInputs(const std::vector<std::string>& arguments, std::vector<Input>& inputs, std::string& error);

struct JobResult {
    bool ok = false;
    std::string message;  // shown for failures (and summaries of successes when not empty)
};

// Runs job on every input in order; one failure never stops the others.
// Shows a progress bar on standard error when it is a terminal and the batch
// is long, then "N converted, M failed". Returns the process exit status.
int runBatch(const std::vector<Input>& inputs, const std::function<JobResult(const Input&)>& job);

}  // namespace noxbin2xml
