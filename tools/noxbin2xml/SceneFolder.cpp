#include "SceneFolder.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "Outputs.h"
#include "platform/Signals.h"

namespace fs = std::filesystem;

namespace noxbin2xml {
namespace {

constexpr size_t kMaxNameBytes = 120;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// A file name under materials/ not used yet in this scene (compared without
// regard to case, as the library compares names).
std::string materialFileName(const std::string& name, std::set<std::string>& used) {
    const std::string base = fileNameFor(name);
    std::string candidate = base + ".xml";
    for (int counter = 2; !used.insert(lowerCase(candidate)).second; ++counter)
        candidate = base + "-" + std::to_string(counter) + ".xml";
    return candidate;
}

}  // namespace

std::string fileNameFor(const std::string& name) {
    std::string out = name;
    if (out.size() > kMaxNameBytes) {
        size_t cut = kMaxNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;  // not inside a character
        out.resize(cut);
    }
    for (char& c : out)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) c = '_';
    if (out.empty() || out == "." || out == "..") out = "_";
    return out;
}

bool writeSceneFolder(const fs::path& folder, const SceneOutcome& scene, const InputPaths& inputs, std::string& error) {
    std::vector<std::pair<fs::path, const std::string*>> files = {{"options.xml", &scene.optionsXml}};
    std::set<std::string> used;
    for (const auto& [name, document] : scene.materials)
        files.emplace_back(fs::path("materials") / materialFileName(name, used), &document);
    for (const auto& file : files) {
        if (inputs.contains(folder / file.first)) {
            error = "its output " + (folder / file.first).string() + " would replace an input";
            return false;
        }
    }

    // Removed on a stop signal: the staged files first, then their folders.
    const fs::path staging = folder / (".noxbin2xml-staging-" + processToken());
    std::vector<std::string> stagedPaths;
    for (const auto& file : files) stagedPaths.push_back((staging / file.first).string());
    stagedPaths.push_back((staging / "materials").string());
    stagedPaths.push_back(staging.string());
    const platform::RemoveOnStop removeOnStop(stagedPaths);

    std::error_code ec;
    fs::create_directories(staging / "materials", ec);
    if (ec) error = "cannot create " + staging.string() + ": " + ec.message();
    for (size_t i = 0; i < files.size() && error.empty(); ++i)
        if (const std::string reason = writeNewFile(stagedPaths[i], *files[i].second); !reason.empty())
            error = "cannot write " + stagedPaths[i] + ": " + reason;
    if (error.empty()) {
        fs::create_directories(folder / "materials", ec);
        if (ec) error = "cannot create " + (folder / "materials").string() + ": " + ec.message();
    }
    for (size_t i = 0; i < files.size() && error.empty(); ++i) {
        fs::rename(stagedPaths[i], folder / files[i].first, ec);
        if (ec) error = "cannot write " + (folder / files[i].first).string() + ": " + ec.message();
    }
    fs::remove_all(staging, ec);
    return error.empty();
}

}  // namespace noxbin2xml
