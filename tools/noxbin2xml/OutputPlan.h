// The output plan: before anything is written, every file and folder each
// input will write is claimed, so that no two inputs write one file, no
// file stands where another input needs a folder, and no output replaces an
// input. Places are compared as the system resolves paths (links, "..",
// mounts: by file identity) and names as the strictest file system compares
// them (letter case and Unicode normalization ignored).
#pragma once

#include <set>
#include <string>

#include "Inputs.h"
#include "Outputs.h"
#include "platform/FileIdentity.h"

namespace noxbin2xml {

// The inputs' files by identity, to keep outputs off them.
class InputFiles {
public:
    explicit InputFiles(const InputList& list);
    // True when the path names one of the inputs, by whatever path.
    bool contains(const std::filesystem::path& path) const;
    bool contains(const platform::FileIdentity& identity) const;

private:
    std::set<platform::FileIdentity> identities_;
};

// Sets each readable input's output: the target file, or its own path under
// the target folder with `extension` (".xml"). An input whose output is an
// input, or collides with what an earlier input writes, fails with that
// reason; the earlier input keeps its output.
void planOutputs(InputList& list, const OutputTarget& target, const std::string& extension, const InputFiles& inputs);

// The same for scenes: each writes a folder (the target itself for a single
// scene) holding options.xml and a materials folder that is its alone.
void planSceneOutputs(InputList& list, const OutputTarget& target, const InputFiles& inputs);

}  // namespace noxbin2xml
