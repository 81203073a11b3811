// Leaving no temporary file behind when the user stops the tool.
#pragma once

#include <string>
#include <vector>

namespace platform {

// From now on SIGINT and SIGTERM remove the paths of every live RemoveOnStop,
// then end the process with 128 + the signal number (130, 143).
void removeOnStopSignals();

// Paths to remove if the process is stopped while this object lives, in the
// order given: each is removed as a file, or else as an empty folder. A path
// that does not exist (yet, or any more) is passed over.
class RemoveOnStop {
public:
    explicit RemoveOnStop(std::vector<std::string> paths);
    ~RemoveOnStop();
    RemoveOnStop(const RemoveOnStop&) = delete;
    RemoveOnStop& operator=(const RemoveOnStop&) = delete;

    // What a signal handler can walk without allocating.
    struct List {
        const char* const* paths;
        size_t count;
    };

private:
    std::vector<std::string> paths_;
    std::vector<const char*> cPaths_;
    List list_;
    int slot_ = -1;
};

}  // namespace platform
