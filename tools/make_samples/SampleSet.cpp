#include "SampleSet.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/Utf8Path.h"

namespace fs = std::filesystem;

namespace samples {
namespace {

// Files under root that the generator owns: all but the README and dot files.
std::set<std::string> generatedFilesIn(const fs::path& root) {
    std::set<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(root, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name != "README.md" && name[0] != '.')
            files.insert(fs::relative(entry.path(), root).generic_string());
    }
    return files;
}

std::vector<uint8_t> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<uint8_t> writtenBytes(KilnCore::QuickArchive& archive) {
    std::vector<uint8_t> bytes(static_cast<size_t>(archive.writePos()));
    archive.setReadPos(0);
    archive.readBytes(bytes.data(), bytes.size());
    return bytes;
}

void SampleSet::add(const std::string& path, const std::function<bool(KilnCore::QuickArchive&)>& write) {
    KilnCore::QuickArchive archive;
    if (!write(archive)) {
        std::fprintf(stderr, "make_samples: the record for %s could not be written\n", path.c_str());
        std::exit(2);
    }
    addBytes(path, writtenBytes(archive));
}

void SampleSet::addBytes(const std::string& path, std::vector<uint8_t> bytes) {
    samples_.push_back({path, std::move(bytes)});
}

bool SampleSet::writeTo(const fs::path& root) const {
    std::set<std::string> stale = generatedFilesIn(root);
    for (const Sample& sample : samples_) {
        const fs::path path = root / sample.path;
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(sample.bytes.data()), static_cast<std::streamsize>(sample.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", platform::utf8FromPath(path).c_str());
            return false;
        }
        stale.erase(sample.path);
    }
    for (const std::string& file : stale) fs::remove(root / file);
    return true;
}

bool SampleSet::matches(const fs::path& root) const {
    std::set<std::string> unexpected = generatedFilesIn(root);
    bool same = true;
    for (const Sample& sample : samples_) {
        unexpected.erase(sample.path);
        if (!fs::exists(root / sample.path)) {
            std::fprintf(stderr, "missing: %s\n", sample.path.c_str());
            same = false;
        } else if (readFile(root / sample.path) != sample.bytes) {
            std::fprintf(stderr, "differs: %s\n", sample.path.c_str());
            same = false;
        }
    }
    for (const std::string& file : unexpected) {
        std::fprintf(stderr, "not made by the generator: %s\n", file.c_str());
        same = false;
    }
    return same;
}

}  // namespace samples
