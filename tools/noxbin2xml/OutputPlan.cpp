#include "OutputPlan.h"

#include <map>
#include <vector>

#include "FileNames.h"
#include "platform/Utf8Path.h"

namespace fs = std::filesystem;
using platform::PathLookup;

namespace noxbin2xml {
namespace {

std::string text(const fs::path& path) { return platform::utf8FromPath(path); }

// Where a path leads: the identity of the deepest folder on it that exists,
// then the keys of the names below it, which the tool will create.
struct Place {
    std::string key;
    std::string problem;      // why the path cannot be written (a link loop, a file on the way)
    const PathLookup* found;  // the file or folder there, when it exists
};

class Places {
public:
    Place placeOf(const fs::path& path) {
        fs::path known = path.has_root_path() ? path.root_path() : fs::path(".");
        std::vector<std::string> created;
        const PathLookup* last = &lookUp(known);
        for (const fs::path& part : path.relative_path()) {
            if (part.empty() || part == ".") continue;
            if (!created.empty()) {  // below a folder that does not exist yet, ".." is that folder's parent
                if (part == "..") created.pop_back();
                else created.push_back(nameKey(text(part)));
                continue;
            }
            if (last->result == PathLookup::Result::Found && !last->folder)
                return {{}, text(known) + " is a file, not a folder", nullptr};
            const PathLookup& next = lookUp(known / part);
            if (next.result == PathLookup::Result::Failed) return {{}, next.reason, nullptr};
            if (next.result == PathLookup::Result::Missing) {
                created.push_back(nameKey(text(part)));
                continue;
            }
            known /= part;
            last = &next;
        }
        if (last->result != PathLookup::Result::Found) return {{}, last->reason, nullptr};
        std::string key = identityText(last->identity);
        for (const std::string& name : created) key += '/' + name;
        return {key, {}, created.empty() ? last : nullptr};
    }

private:
    static std::string identityText(const platform::FileIdentity& identity) {
        return std::to_string(identity.volume) + ':' + std::to_string(identity.index);
    }
    const PathLookup& lookUp(const fs::path& path) {
        const auto [entry, fresh] = lookups_.try_emplace(path);
        if (fresh) entry->second = platform::lookUpPath(path);
        return entry->second;
    }
    std::map<fs::path, PathLookup> lookups_;
};

enum class Use { File, Folder, OwnFolder };  // an own folder: no other input writes into it

struct Claim {
    Use use;
    const Input* owner;
    fs::path path;
};

class Plan {
public:
    Plan(const OutputTarget& target, const InputFiles& inputs) : target_(target), inputs_(inputs) {
        // Names below the target folder are also compared as written, so that
        // an existing folder Sub and a new sub are one on every platform.
        if (target.kind == OutputTarget::Kind::Folder) rootKey_ = places_.placeOf(target.path).key;
    }

    // Claims `relative` under the target folder (the target itself when it
    // is empty) and the folders on the way; the reason it cannot, or empty.
    std::string claim(const Input& input, const fs::path& relative, Use use) {
        fs::path path = target_.path;
        std::string lexicalKey = rootKey_;
        std::vector<fs::path> parts(relative.begin(), relative.end());
        for (size_t i = 0; i < parts.size(); ++i) {
            path /= parts[i];
            if (!rootKey_.empty()) lexicalKey += '/' + nameKey(text(parts[i]));
            const Use levelUse = i + 1 == parts.size() ? use : Use::Folder;
            if (std::string problem = claimLevel(input, path, levelUse, lexicalKey); !problem.empty()) return problem;
        }
        if (parts.empty()) return claimLevel(input, path, use, {});
        return {};
    }

private:
    std::string claimLevel(const Input& input, const fs::path& path, Use use, const std::string& lexicalKey) {
        const Place place = places_.placeOf(path);
        if (!place.problem.empty()) return "cannot write " + text(path) + ": " + place.problem;
        if (place.found && use == Use::File && inputs_.contains(place.found->identity))
            return "its output " + text(path) + " would replace an input";
        if (place.found && use != Use::File && !place.found->folder)
            return "cannot write " + text(path) + ": it is a file, not a folder";
        for (const std::string& key : {place.key, lexicalKey}) {
            if (key.empty()) continue;
            const auto [claim, fresh] = claims_.try_emplace(key, Claim{use, &input, path});
            if (fresh || claim->second.owner == &input) continue;
            if (std::string problem = collision(path, use, claim->second); !problem.empty()) return problem;
        }
        return {};
    }

    static std::string collision(const fs::path& path, Use use, const Claim& earlier) {
        const std::string other = text(earlier.owner->path);
        if (use == Use::Folder && earlier.use == Use::Folder) return {};
        std::string problem;
        if (use == Use::File && earlier.use == Use::File)
            problem = "its output " + text(path) + " is already the output of " + other;
        else if (earlier.use == Use::File)
            problem = "its output needs the folder " + text(path) + ", which " + other + " writes as a file";
        else if (use == Use::File)
            problem = "its output " + text(path) + " would stand where " + other + " needs a folder";
        else if (use == Use::OwnFolder)
            problem = "its output needs the folder " + text(path) + " to itself, but " + other + " writes into it";
        else
            problem = "its output would go into the folder " + text(path) + ", which holds only " + other + "'s outputs";
        const std::string earlierText = text(earlier.path), pathText = text(path);
        if (earlierText != pathText && nameKey(earlierText) == nameKey(pathText))
            problem += " (the names differ only in letter case or Unicode normalization)";
        return problem;
    }

    const OutputTarget& target_;
    const InputFiles& inputs_;
    Places places_;
    std::string rootKey_;
    std::map<std::string, Claim> claims_;
};

bool planned(const OutputTarget& target, const Input& input) {
    return input.error.empty() && target.kind != OutputTarget::Kind::StandardOutput;
}

}  // namespace

InputFiles::InputFiles(const InputList& list) {
    for (const Input& input : list.inputs) {
        if (input.path == "-") continue;
        const PathLookup lookup = platform::lookUpPath(input.path);
        if (lookup.result == PathLookup::Result::Found) identities_.insert(lookup.identity);
    }
}

bool InputFiles::contains(const fs::path& path) const {
    const PathLookup lookup = platform::lookUpPath(path);
    return lookup.result == PathLookup::Result::Found && contains(lookup.identity);
}

bool InputFiles::contains(const platform::FileIdentity& identity) const { return identities_.count(identity) != 0; }

void planOutputs(InputList& list, const OutputTarget& target, const std::string& extension, const InputFiles& inputs) {
    Plan plan(target, inputs);
    for (Input& input : list.inputs) {
        if (!planned(target, input)) continue;
        const bool toFolder = target.kind == OutputTarget::Kind::Folder;
        const fs::path relative = toFolder ? fs::path(input.relative).replace_extension(extension) : fs::path();
        input.output = toFolder ? target.path / relative : target.path;
        if (const std::string problem = plan.claim(input, relative, Use::File); !problem.empty())
            input.error = problem;
    }
}

void planSceneOutputs(InputList& list, const OutputTarget& target, const InputFiles& inputs) {
    Plan plan(target, inputs);
    for (Input& input : list.inputs) {
        if (!planned(target, input)) continue;
        const bool toFolder = target.kind == OutputTarget::Kind::Folder;
        const fs::path folder = toFolder ? fs::path(input.relative).replace_extension() : fs::path();
        input.output = toFolder ? target.path / folder : target.path;
        std::string problem = plan.claim(input, folder / "options.xml", Use::File);
        if (problem.empty()) problem = plan.claim(input, folder / "materials", Use::OwnFolder);
        if (!problem.empty()) input.error = problem;
    }
}

}  // namespace noxbin2xml
