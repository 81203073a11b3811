#include "Inputs.h"

#include <algorithm>
#include <set>

namespace fs = std::filesystem;

namespace noxbin2xml {
namespace {

std::string megabytes(uintmax_t bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB"; }

// Why a path of this kind is no input, or empty for a regular file.
std::string refusal(const fs::path& path, fs::file_type type) {
    std::error_code ec;
    switch (type) {
        case fs::file_type::regular: {
            const uintmax_t size = fs::file_size(path, ec);
            if (ec || size <= kMaxInputBytes) return {};
            return "the file is " + megabytes(size) + ", more than the " + megabytes(kMaxInputBytes) + " an input may have";
        }
        case fs::file_type::not_found: return "no such file or folder";
        case fs::file_type::fifo: return "not a regular file but a FIFO";
        case fs::file_type::socket: return "not a regular file but a socket";
        case fs::file_type::character:
        case fs::file_type::block: return "not a regular file but a device";
        default: return "not a regular file";
    }
}

class FolderWalk {
public:
    explicit FolderWalk(const fs::path& root) : root_(root) {}

    std::vector<Input> run() {
        std::vector<fs::path> pending{root_};
        visit(root_);
        while (!pending.empty()) {
            const fs::path folder = pending.back();
            pending.pop_back();
            list(folder, pending);
        }
        std::sort(found_.begin(), found_.end(), [](const Input& a, const Input& b) { return a.path < b.path; });
        return std::move(found_);
    }

private:
    // True the first time a folder (reached by any path) is seen.
    bool visit(const fs::path& folder) {
        std::error_code ec;
        return visited_.insert(fs::canonical(folder, ec)).second;
    }

    void add(const fs::path& path, std::string error) {
        found_.push_back({path, path.lexically_relative(root_), std::move(error), {}});
    }

    void list(const fs::path& folder, std::vector<fs::path>& pending) {
        std::error_code ec;
        fs::directory_iterator it(folder, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            // The listing tells regular files and folders apart without a
            // look at each; links and the rest need one.
            const fs::file_type type = it->is_regular_file(ec) ? fs::file_type::regular
                                       : it->is_directory(ec)  ? fs::file_type::directory
                                                               : it->status(ec).type();
            if (type == fs::file_type::directory) {
                if (visit(it->path())) pending.push_back(it->path());
            } else {
                add(it->path(), type == fs::file_type::not_found ? "a link to nothing" : refusal(it->path(), type));
            }
            ec.clear();
        }
        if (ec) add(folder, "cannot read the folder: " + ec.message());
    }

    fs::path root_;
    std::set<fs::path> visited_;
    std::vector<Input> found_;
};

}  // namespace

InputList expandInputs(const std::vector<std::string>& arguments) {
    InputList list;
    for (const std::string& argument : arguments) {
        const fs::path path(argument);
        if (argument == "-") {
            list.inputs.push_back({path, "stdin", {}, {}});
            continue;
        }
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        if (status.type() == fs::file_type::directory) {
            const std::vector<Input> found = FolderWalk(path).run();
            list.inputs.insert(list.inputs.end(), found.begin(), found.end());
            list.fromFolder = true;
        } else {
            std::string error = ec && status.type() != fs::file_type::not_found ? ec.message()
                                                                                 : refusal(path, status.type());
            list.inputs.push_back({path, path.filename(), std::move(error), {}});
        }
    }
    return list;
}

}  // namespace noxbin2xml
