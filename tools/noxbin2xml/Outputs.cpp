#include "Outputs.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include "platform/FileIdentity.h"
#include "platform/Signals.h"
#include "platform/Utf8Path.h"

namespace fs = std::filesystem;

namespace noxbin2xml {
namespace {

bool isFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

// A short name that leaves any legal output name writable beside it; one
// output is written at a time, so the process token tells it apart.
fs::path temporaryBeside(const fs::path& path) { return path.parent_path() / (".nbx-" + processToken() + ".tmp"); }

// The standard stream that writes to the file at `path`, if one does.
bool openStream(const fs::path& path, platform::StandardStream& stream) {
    const platform::PathLookup lookup = platform::lookUpPath(path);
    if (lookup.result != platform::PathLookup::Result::Found) return false;
    for (const auto candidate : {platform::StandardStream::Output, platform::StandardStream::Error}) {
        platform::FileIdentity identity;
        if (platform::streamIdentity(candidate, identity) && identity == lookup.identity) {
            stream = candidate;
            return true;
        }
    }
    return false;
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
    if (option.empty() || option == "-") {
        if (several) return "several inputs need an output folder (-o DIR)";
        target = {OutputTarget::Kind::StandardOutput, {}};
        return {};
    }
    const fs::path path = platform::pathFromUtf8(option);
    const bool folder = several || !path.has_filename() || isFolder(path);  // "DIR/" names a folder
    target = {folder ? OutputTarget::Kind::Folder : OutputTarget::Kind::File, path};
    if (!folder && openStream(path, target.stream)) target.kind = OutputTarget::Kind::StandardOutput;
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
