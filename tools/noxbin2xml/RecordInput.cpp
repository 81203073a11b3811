#include "RecordInput.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

namespace noxbin2xml {
namespace {

// Reads at most limit + 1 bytes, so that an endless stream stops at once
// (recordFromContent refuses it).
bool readBounded(std::istream& in, std::string& data, std::string& error) {
    char chunk[1 << 16];
    while (in && data.size() <= kMaxInputBytes) {
        in.read(chunk, sizeof chunk);
        data.append(chunk, static_cast<size_t>(in.gcount()));
    }
    if (in.bad()) {
        error = std::string("cannot read: ") + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool loadRecordFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error) {
    const bool fromStdin = path == "-";
    std::ifstream file;
    if (!fromStdin) {
        file.open(path, std::ios::binary);
        if (!file) {
            error = std::string("cannot read the file: ") + std::strerror(errno);
            return false;
        }
    }
    std::string data;
    return readBounded(fromStdin ? std::cin : file, data, error) && recordFromContent(data, bytes, error);
}

}  // namespace noxbin2xml
