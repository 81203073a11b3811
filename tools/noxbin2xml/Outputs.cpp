#include "Outputs.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include "FileNames.h"
#include "platform/Signals.h"
#include "platform/Utf8Path.h"

namespace fs = std::filesystem;

namespace noxbin2xml {
namespace {

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

fs::path temporaryBeside(const fs::path& path) {
    fs::path name = ".";
    name += path.filename();
    name += ".tmp-" + processToken();
    return path.parent_path() / name;
}

// The file a chain of links ends at (the path itself when it is no link).
fs::path linkTarget(fs::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, ec)); ++hops) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// The system's reason, or an empty text when the file was written.
std::string replaceAtomically(const fs::path& path, std::string_view content) {
    const fs::path temporary = temporaryBeside(path);
    const platform::RemoveOnStop removeOnStop({temporary});
    std::string reason = writeNewFile(temporary, content);
    if (reason.empty()) {
        std::error_code ec;
        fs::rename(temporary, path, ec);
        if (!ec) return {};
        reason = ec.message();
    }
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return reason;
}

}  // namespace

const std::string& processToken() {
    static const std::string token = [] {
        std::random_device random;
        const auto now = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        const uint64_t value = (uint64_t{random()} << 32 | random()) ^ now;
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
        return std::string(text);
    }();
    return token;
}

std::string chooseTarget(const std::string& option, const InputList& list, OutputTarget& target) {
    const bool several = list.fromFolder || list.inputs.size() > 1;
    if (option.empty()) {
        if (several) return "several inputs need an output folder (-o DIR)";
        target = {OutputTarget::Kind::StandardOutput, {}};
        return {};
    }
    const fs::path path = platform::pathFromUtf8(option);
    const bool folder = several || !path.has_filename() || isFolder(path);  // "DIR/" names a folder
    target = {folder ? OutputTarget::Kind::Folder : OutputTarget::Kind::File, path};
    return {};
}

std::string prepareFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::exists(folder, ec) && !isFolder(folder))
        return "the output " + platform::utf8FromPath(folder) + " is not a folder";
    fs::create_directories(folder, ec);
    if (ec) return "cannot create the output folder " + platform::utf8FromPath(folder) + ": " + ec.message();
    const fs::path probe = folder / (".noxbin2xml-probe-" + processToken());
    const platform::RemoveOnStop removeOnStop({probe});
    const std::string reason = writeNewFile(probe, "");
    fs::remove(probe, ec);
    if (!reason.empty()) return "cannot write into the output folder " + platform::utf8FromPath(folder) + ": " + reason;
    return {};
}

fs::path PathResolver::resolve(const fs::path& path) {
    std::error_code ec;
    const fs::path name = path.filename();
    const bool plainName = !name.empty() && name != "." && name != "..";
    if (plainName && !fs::is_symlink(fs::symlink_status(path, ec))) {
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        const auto [known, fresh] = folders_.try_emplace(folder);
        if (fresh) known->second = resolve(folder);
        return known->second / name;
    }
    const fs::path absolute = fs::absolute(path, ec).lexically_normal();
    const fs::path resolved = fs::weakly_canonical(absolute, ec);
    return ec ? absolute : resolved;
}

InputPaths::InputPaths(const InputList& list) {
    for (const Input& input : list.inputs)
        if (input.path != "-") resolved_.insert(resolver_.resolve(input.path));
}

void planOutputs(InputList& list, const OutputTarget& target, const std::string& extension,
                 const InputPaths& inputs) {
    // Resolved outputs by the name key of their names (folders ignoring case
    // make one file of names that differ only in letter case), each with the
    // input that has it.
    std::map<fs::path, const Input*> claims;
    for (Input& input : list.inputs) {
        if (!input.error.empty() || target.kind == OutputTarget::Kind::StandardOutput) continue;
        input.output = target.kind == OutputTarget::Kind::File
                           ? target.path
                           : target.path / fs::path(input.relative).replace_extension(extension);
        const fs::path resolved = inputs.resolver().resolve(input.output);
        if (inputs.containsResolved(resolved)) {
            input.error = "its output " + platform::utf8FromPath(input.output) + " would replace an input";
            continue;
        }
        const std::string name = platform::utf8FromPath(resolved.filename());
        const fs::path key = resolved.parent_path() / platform::pathFromUtf8(nameKey(name));
        const auto [claim, fresh] = claims.emplace(key, &input);
        if (fresh) continue;
        input.error = "its output " + platform::utf8FromPath(input.output) + " is already the output of " +
                      platform::utf8FromPath(claim->second->path);
        if (claim->second->output.filename() != input.output.filename())
            input.error += " (the names differ only in letter case)";
    }
}

std::string writeNewFile(const fs::path& path, std::string_view content) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (out) return {};
    return errno ? std::strerror(errno) : "write error";
}

bool writeOutputFile(const fs::path& path, std::string_view content, std::string& error) {
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(path, ec);
    const fs::file_status status = fs::is_symlink(link) ? fs::status(path, ec) : link;
    // A device or FIFO (also behind a link, such as /dev/stdout) takes the
    // text as it comes and stays what it is; a file is replaced whole, also
    // at the end of a link.
    const bool special = fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
    if (!fs::exists(link) && path.has_parent_path()) fs::create_directories(path.parent_path(), ec);  // a subfolder of a batch
    const std::string reason = special ? writeNewFile(path, content) : replaceAtomically(fs::is_symlink(link) ? linkTarget(path) : path, content);
    if (reason.empty()) return true;
    error = "cannot write " + platform::utf8FromPath(path) + ": " + reason;
    return false;
}

}  // namespace noxbin2xml
