// Which file a path names, as the system resolves it (links, "..", bind
// mounts, hard links): two paths name the same file exactly when their
// identities are equal, whatever their texts.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>

#include "platform/Terminal.h"

namespace platform {

// The device and inode on POSIX; the volume serial number and file index on
// Windows.
struct FileIdentity {
    uint64_t volume = 0;
    uint64_t index = 0;
    bool operator==(const FileIdentity& other) const { return volume == other.volume && index == other.index; }
    bool operator<(const FileIdentity& other) const {
        return std::tie(volume, index) < std::tie(other.volume, other.index);
    }
};

// What the system says of a path, following every link.
struct PathLookup {
    enum class Result { Found, Missing, Failed };
    Result result = Result::Missing;
    FileIdentity identity;  // when found
    bool folder = false;    // when found
    std::string reason;     // the system's reason when it failed (a link loop, no permission)
};
PathLookup lookUpPath(const std::filesystem::path& path);

// The identity of the file a standard stream writes to; false when it has
// none (a console, a closed stream).
bool streamIdentity(StandardStream stream, FileIdentity& identity);

}  // namespace platform
