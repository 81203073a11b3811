#include "SceneFolder.h"

#include <utility>
#include <vector>

#include "FileNames.h"
#include "Outputs.h"
#include "platform/Signals.h"
#include "platform/Utf8Path.h"

namespace fs = std::filesystem;

namespace noxbin2xml {

bool writeSceneFolder(const fs::path& folder, const SceneOutcome& scene, const InputFiles& inputs, std::string& error) {
    std::vector<std::pair<fs::path, const std::string*>> files = {{"options.xml", &scene.optionsXml}};
    std::set<std::string> used;
    for (const auto& [name, document] : scene.materials)
        files.emplace_back(fs::path("materials") / platform::pathFromUtf8(materialFileName(name, used)), &document);
    for (const auto& file : files) {
        if (inputs.contains(folder / file.first)) {
            error = "its output " + platform::utf8FromPath(folder / file.first) + " would replace an input";
            return false;
        }
    }

    // Removed on a stop signal: the staged files first, then their folders.
    const fs::path staging = folder / (".noxbin2xml-staging-" + processToken());
    std::vector<fs::path> stagedPaths;
    for (const auto& file : files) stagedPaths.push_back(staging / file.first);
    stagedPaths.push_back(staging / "materials");
    stagedPaths.push_back(staging);
    const platform::RemoveOnStop removeOnStop(stagedPaths);

    std::error_code ec;
    fs::create_directories(staging / "materials", ec);
    if (ec) error = "cannot create " + platform::utf8FromPath(staging) + ": " + ec.message();
    for (size_t i = 0; i < files.size() && error.empty(); ++i)
        if (const std::string reason = writeNewFile(stagedPaths[i], *files[i].second); !reason.empty())
            error = "cannot write " + platform::utf8FromPath(stagedPaths[i]) + ": " + reason;
    if (error.empty()) {
        fs::create_directories(folder / "materials", ec);
        if (ec) error = "cannot create " + platform::utf8FromPath(folder / "materials") + ": " + ec.message();
    }
    for (size_t i = 0; i < files.size() && error.empty(); ++i) {
        fs::rename(stagedPaths[i], folder / files[i].first, ec);
        if (ec) error = "cannot write " + platform::utf8FromPath(folder / files[i].first) + ": " + ec.message();
    }
    fs::remove_all(staging, ec);
    return error.empty();
}

}  // namespace noxbin2xml
