// Writing what a scene record holds into a folder: options.xml and one
// document per library material under materials/.
#pragma once

#include <filesystem>
#include <string>

#include "Conversions.h"

namespace noxbin2xml {

// Writes every file into a staging folder first and moves them into place
// only when all were written, so a failure leaves no part of the scene.
// Material names that give the same file name (letter case aside) get "-2",
// "-3", ...
bool writeSceneFolder(const std::filesystem::path& folder, const SceneOutcome& scene, std::string& error);

}  // namespace noxbin2xml
