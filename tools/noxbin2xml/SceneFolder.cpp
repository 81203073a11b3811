#include "SceneFolder.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "RecordInput.h"

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

bool writeSceneFolder(const fs::path& folder, const SceneOutcome& scene, std::string& error) {
    std::vector<std::pair<fs::path, const std::string*>> files = {{"options.xml", &scene.optionsXml}};
    std::set<std::string> used;
    for (const auto& [name, document] : scene.materials)
        files.emplace_back(fs::path("materials") / materialFileName(name, used), &document);

    std::error_code ec;
    const fs::path staging = folder / (".noxbin2xml-staging-" + std::to_string(getpid()));
    fs::create_directories(staging / "materials", ec);
    bool ok = !ec;
    if (!ok) error = "cannot create " + staging.string() + ": " + ec.message();
    for (const auto& [relative, text] : files) {
        if (!ok) break;
        ok = writeFileAtomically(staging / relative, *text, error);
    }
    if (ok) {
        fs::create_directories(folder / "materials", ec);
        ok = !ec;
        if (!ok) error = "cannot create " + (folder / "materials").string() + ": " + ec.message();
    }
    for (const auto& [relative, text] : files) {
        if (!ok) break;
        fs::rename(staging / relative, folder / relative, ec);
        if (ec) {
            error = "cannot write " + (folder / relative).string() + ": " + ec.message();
            ok = false;
        }
    }
    fs::remove_all(staging, ec);
    return ok;
}

}  // namespace noxbin2xml
