#include "platform/Signals.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#else
#include <unistd.h>
#endif

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace platform {
namespace {

// A handler may run between any two instructions of the tool, so it sees the
// lists only through lock-free atomic slots, each set once the list it points
// to is complete.
constexpr int kSlots = 16;
std::atomic<const RemoveOnStop::List*> slots[kSlots];

void removePath(const char* path) {
#ifdef _WIN32
    if (_unlink(path) != 0) _rmdir(path);
#else
    if (unlink(path) != 0) rmdir(path);
#endif
}

extern "C" void onStopSignal(int signal) {
    for (auto& slot : slots)
        if (const RemoveOnStop::List* list = slot.load())
            for (size_t i = 0; i < list->count; ++i) removePath(list->paths[i]);
    std::_Exit(128 + signal);
}

}  // namespace

void removeOnStopSignals() {
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}

RemoveOnStop::RemoveOnStop(std::vector<std::string> paths) : paths_(std::move(paths)) {
    for (const std::string& path : paths_) cPaths_.push_back(path.c_str());
    list_ = {cPaths_.data(), cPaths_.size()};
    for (int i = 0; i < kSlots && slot_ < 0; ++i) {
        const RemoveOnStop::List* empty = nullptr;
        if (slots[i].compare_exchange_strong(empty, &list_)) slot_ = i;
    }
}

RemoveOnStop::~RemoveOnStop() {
    if (slot_ >= 0) slots[slot_].store(nullptr);
}

}  // namespace platform
