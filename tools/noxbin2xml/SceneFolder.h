// Writing what a scene record holds into a folder: options.xml and one
// document per library material under materials/.
#pragma once

#include <filesystem>
#include <string>

#include "Conversions.h"

namespace noxbin2xml {

// A material name as a file name: characters that file systems refuse
// become '_', and the name is cut to a length every file system takes.
std::string fileNameFor(const std::string& name);

// Writes every file into a staging folder first and moves them into place
// only when all were written, so a failure leaves no part of the scene.
// Material names that give the same file name get "-2", "-3", ...
bool writeSceneFolder(const std::filesystem::path& folder, const SceneOutcome& scene, std::string& error);

}  // namespace noxbin2xml
