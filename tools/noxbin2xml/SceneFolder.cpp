#include "SceneFolder.h"

#include <set>
#include <utility>
#include <vector>

#include "FileNames.h"
#include "RecordInput.h"
#include "platform/Process.h"
#include "platform/Utf8Path.h"

namespace fs = std::filesystem;

namespace noxbin2xml {
namespace {

// A file name under materials/ not used yet in this scene, compared as file
// systems that ignore case compare names.
std::string materialFileName(const std::string& name, std::set<std::string>& used) {
    const std::string base = fileNameFor(name);
    std::string candidate = base + ".xml";
    for (int counter = 2; !used.insert(caseKey(candidate)).second; ++counter)
        candidate = base + "-" + std::to_string(counter) + ".xml";
    return candidate;
}

}  // namespace

bool writeSceneFolder(const fs::path& folder, const SceneOutcome& scene, std::string& error) {
    std::vector<std::pair<fs::path, const std::string*>> files = {{"options.xml", &scene.optionsXml}};
    std::set<std::string> used;
    for (const auto& [name, document] : scene.materials)
        files.emplace_back(fs::path("materials") / platform::pathFromUtf8(materialFileName(name, used)), &document);

    std::error_code ec;
    const fs::path staging = folder / (".noxbin2xml-staging-" + std::to_string(platform::processId()));
    fs::create_directories(staging / "materials", ec);
    bool ok = !ec;
    if (!ok) error = "cannot create " + platform::utf8FromPath(staging) + ": " + ec.message();
    for (const auto& [relative, text] : files) {
        if (!ok) break;
        ok = writeFileAtomically(staging / relative, *text, error);
    }
    if (ok) {
        fs::create_directories(folder / "materials", ec);
        ok = !ec;
        if (!ok) error = "cannot create " + platform::utf8FromPath(folder / "materials") + ": " + ec.message();
    }
    for (const auto& [relative, text] : files) {
        if (!ok) break;
        fs::rename(staging / relative, folder / relative, ec);
        if (ec) {
            error = "cannot write " + platform::utf8FromPath(folder / relative) + ": " + ec.message();
            ok = false;
        }
    }
    fs::remove_all(staging, ec);
    return ok;
}

}  // namespace noxbin2xml
