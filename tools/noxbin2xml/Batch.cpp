#include "Batch.h"

#include <algorithm>
#include <exception>
#include <new>

#include "TerminalText.h"
#include "platform/Terminal.h"
#include "platform/Utf8Path.h"

namespace noxbin2xml {
namespace {

constexpr size_t kProgressThreshold = 10;

// "[#####     ] 12/2000 name.rec" on one terminal line, redrawn in place.
class Progress {
public:
    Progress(size_t total, bool quiet)
        : total_(total),
          shown_(!quiet && total >= kProgressThreshold && platform::isTerminal(platform::StandardStream::Error)),
          columns_(shown_ ? static_cast<size_t>(platform::terminalColumns()) : 0) {}

    void update(size_t done, const Input& input) const {
        if (!shown_) return;
        const size_t width = std::min<size_t>(30, columns_ / 4);
        const size_t filled = width * done / total_;
        const std::string text = "[" + std::string(filled, '#') + std::string(width - filled, ' ') + "] " +
                                 std::to_string(done) + "/" + std::to_string(total_) + " " +
                                 printable(platform::utf8FromPath(input.path.filename()));
        // The last column would wrap on some terminals.
        std::fprintf(stderr, "\r%s", fittedTo(text, columns_ - 1).c_str());
        std::fflush(stderr);
    }
    void clear() const {
        if (shown_) std::fprintf(stderr, "\r%*s\r", static_cast<int>(columns_ - 1), "");
    }

private:
    size_t total_;
    bool shown_;
    size_t columns_;
};

}  // namespace

JobResult runGuarded(const std::function<JobResult(const Input&)>& job, const Input& input) {
    if (!input.error.empty()) return {false, input.error, {}};
    try {
        return job(input);
    } catch (const std::bad_alloc&) {
        return {false, "out of memory", {}};
    } catch (const std::exception& e) {
        return {false, std::string("unexpected failure: ") + e.what(), {}};
    } catch (...) {
        return {false, "unexpected failure", {}};
    }
}

int runBatch(const std::vector<Input>& inputs, const BatchOptions& options,
             const std::function<JobResult(const Input&)>& job) {
    if (inputs.empty()) {
        std::fprintf(stderr, "no input files\n");
        return 1;
    }
    const Progress progress(inputs.size(), options.quiet);
    size_t failed = 0;
    for (size_t i = 0; i < inputs.size(); ++i) {
        progress.update(i, inputs[i]);
        const JobResult result = runGuarded(job, inputs[i]);
        if (!result.ok) ++failed;
        const bool shown = !result.ok || (options.showSuccesses && !result.message.empty());
        if (shown || !result.notes.empty()) progress.clear();
        const std::string name = printable(platform::utf8FromPath(inputs[i].path));
        for (const std::string& note : result.notes)
            std::fprintf(stderr, "%s: %s\n", name.c_str(), printable(note).c_str());
        if (shown)
            std::fprintf(result.ok ? options.successes : stderr, "%s: %s\n", name.c_str(),
                         printable(result.message).c_str());
    }
    progress.clear();
    if (!options.quiet && (inputs.size() > 1 || failed > 0))
        std::fprintf(stderr, "%zu converted, %zu failed\n", inputs.size() - failed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace noxbin2xml
