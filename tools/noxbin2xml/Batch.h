// Running one conversion over many inputs: a progress line for long
// batches on a terminal, one line per failure, and the closing count.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Inputs.h"

namespace noxbin2xml {

struct JobResult {
    bool ok = false;
    std::string message;                // why it failed, or the line a success shows
    std::vector<std::string> notes;     // shown on standard error whatever the outcome
};

struct BatchOptions {
    bool quiet = false;            // no progress line and no closing count
    bool showSuccesses = false;    // print the message of each success
    std::FILE* successes = stdout; // where those lines go (standard error when the documents take standard output)
};

// Runs job on one input, or reports the input's error without running it;
// memory exhaustion or any other exception becomes the input's failure.
JobResult runGuarded(const std::function<JobResult(const Input&)>& job, const Input& input);

// Runs job on every input in order; an input that already failed (its
// error set) is reported without running it, and a failure or exception
// never stops the others. Returns the process exit status: 0 when every
// input converted, 1 otherwise.
int runBatch(const std::vector<Input>& inputs, const BatchOptions& options,
             const std::function<JobResult(const Input&)>& job);

}  // namespace noxbin2xml
