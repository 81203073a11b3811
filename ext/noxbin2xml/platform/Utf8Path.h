// File system paths to and from UTF-8 text. The narrow path constructor and
// path::string() use the ANSI code page on Windows (which cannot hold every
// name, and throws on what it cannot convert); these never do.
#pragma once

#include <filesystem>
#include <string>

namespace platform {

inline std::filesystem::path pathFromUtf8(const std::string& text) { return std::filesystem::u8path(text); }

inline std::string utf8FromPath(const std::filesystem::path& path) {
    const auto text = path.u8string();  // std::string before C++20, std::u8string after
    return std::string(text.begin(), text.end());
}

}  // namespace platform
