#include "Batch.h"

#include <algorithm>
#include <cstdio>

#include "platform/Process.h"
#include "platform/Utf8Path.h"

namespace fs = std::filesystem;

namespace noxbin2xml {
namespace {

constexpr size_t kProgressThreshold = 10;
constexpr int kBarWidth = 30;

class Progress {
public:
    explicit Progress(size_t total)
        : total_(total), shown_(total >= kProgressThreshold && platform::isTerminal(stderr)) {}
    void update(size_t done, const Input& input) const {
        if (!shown_) return;
        const int filled = static_cast<int>(kBarWidth * done / total_);
        std::fprintf(stderr, "\r[%.*s%*s] %zu/%zu %-40.40s", filled, "##############################",
                     kBarWidth - filled, "", done, total_, platform::utf8FromPath(input.path.filename()).c_str());
        std::fflush(stderr);
    }
    void clear() const {
        if (shown_) std::fprintf(stderr, "\r%*s\r", kBarWidth + 60, "");
    }

private:
    size_t total_;
    bool shown_;
};

}  // namespace

bool expandInputs(const std::vector<std::string>& arguments, InputList& list, std::string& error) {
    for (const std::string& argument : arguments) {
        const fs::path path = platform::pathFromUtf8(argument);
        std::error_code ec;
        if (argument == "-") {
            list.inputs.push_back({path, "stdin"});
        } else if (fs::is_directory(path, ec)) {
            std::vector<Input> found;
            for (const auto& entry : fs::recursive_directory_iterator(path, ec))
                if (entry.is_regular_file()) found.push_back({entry.path(), fs::relative(entry.path(), path)});
            std::sort(found.begin(), found.end(), [](const Input& a, const Input& b) { return a.path < b.path; });
            list.inputs.insert(list.inputs.end(), found.begin(), found.end());
            list.fromFolder = true;
        } else if (fs::exists(path, ec)) {
            list.inputs.push_back({path, path.filename()});
        } else {
            error = "no such file or folder: " + argument;
            return false;
        }
    }
    return true;
}

OutputClaims::OutputClaims(const InputList& list) {
    for (const Input& input : list.inputs) {
        std::error_code ec;
        const fs::path canonical = fs::weakly_canonical(input.path, ec);
        if (!ec) inputs_.insert(canonical);
    }
}

bool OutputClaims::claim(const fs::path& path, const Input& input, std::string& error) {
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(path, ec);
    const fs::path key = ec ? path : canonical;
    if (inputs_.count(key)) {
        error = "the output " + platform::utf8FromPath(path) + " would replace an input";
        return false;
    }
    const auto [it, fresh] = claims_.emplace(key, platform::utf8FromPath(input.path));
    if (!fresh && it->second != platform::utf8FromPath(input.path)) {
        error = "the output " + platform::utf8FromPath(path) + " is already written for " + it->second;
        return false;
    }
    return true;
}

int runBatch(const std::vector<Input>& inputs, const std::function<JobResult(const Input&)>& job) {
    if (inputs.empty()) {
        std::fprintf(stderr, "no input files\n");
        return 1;
    }
    const Progress progress(inputs.size());
    size_t failed = 0;
    for (size_t i = 0; i < inputs.size(); ++i) {
        progress.update(i, inputs[i]);
        const JobResult result = job(inputs[i]);
        if (!result.ok) ++failed;
        if (!result.message.empty()) {
            progress.clear();
            std::fprintf(result.ok ? stdout : stderr, "%s: %s\n", platform::utf8FromPath(inputs[i].path).c_str(),
                         result.message.c_str());
        }
    }
    progress.update(inputs.size(), inputs.back());
    progress.clear();
    if (inputs.size() > 1 || failed > 0)
        std::fprintf(stderr, "%zu converted, %zu failed\n", inputs.size() - failed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace noxbin2xml
