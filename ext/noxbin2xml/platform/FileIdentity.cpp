#include "platform/FileIdentity.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace platform {

#ifdef _WIN32

namespace {

bool identityOf(HANDLE handle, FileIdentity& identity, bool* folder) {
    BY_HANDLE_FILE_INFORMATION info;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) return false;
    identity = {info.dwVolumeSerialNumber, uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
    if (folder) *folder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
}

std::string systemMessage(DWORD code) { return std::system_category().message(static_cast<int>(code)); }

}  // namespace

PathLookup lookUpPath(const std::filesystem::path& path) {
    PathLookup lookup;
    // Backup semantics open folders too; no access right is asked for.
    const HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        const bool missing = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME;
        lookup.result = missing ? PathLookup::Result::Missing : PathLookup::Result::Failed;
        if (!missing) lookup.reason = systemMessage(code);
        return lookup;
    }
    const bool known = identityOf(handle, lookup.identity, &lookup.folder);
    const DWORD code = GetLastError();
    CloseHandle(handle);
    lookup.result = known ? PathLookup::Result::Found : PathLookup::Result::Failed;
    if (!known) lookup.reason = systemMessage(code);
    return lookup;
}

bool streamIdentity(StandardStream stream, FileIdentity& identity) {
    const DWORD which = stream == StandardStream::Input    ? STD_INPUT_HANDLE
                        : stream == StandardStream::Output ? STD_OUTPUT_HANDLE
                                                           : STD_ERROR_HANDLE;
    return identityOf(GetStdHandle(which), identity, nullptr);
}

#else

namespace {

FileIdentity identityOf(const struct stat& info) {
    return {static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
}

}  // namespace

PathLookup lookUpPath(const std::filesystem::path& path) {
    PathLookup lookup;
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        lookup = {PathLookup::Result::Found, identityOf(info), S_ISDIR(info.st_mode), {}};
    } else if (errno == ENOENT) {
        lookup.result = PathLookup::Result::Missing;
    } else {
        // ENOTDIR (a file where a folder must be) and ELOOP (a link loop) among others.
        lookup.result = PathLookup::Result::Failed;
        lookup.reason = std::strerror(errno);
    }
    return lookup;
}

bool streamIdentity(StandardStream stream, FileIdentity& identity) {
    const int fd = stream == StandardStream::Input ? STDIN_FILENO : stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
    struct stat info {};
    if (fstat(fd, &info) != 0) return false;
    identity = identityOf(info);
    return true;
}

#endif

}  // namespace platform
