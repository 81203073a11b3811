// Writing what a scene record holds into a folder: options.xml and one
// document per library material under materials/.
#pragma once

#include <filesystem>
#include <string>

#include "Conversions.h"
#include "Outputs.h"

namespace noxbin2xml {

// A material name as a file name: characters that file systems refuse
// become '_', and the name is cut to a length every file system takes.
std::string fileNameFor(const std::string& name);

// Writes every file into a staging folder first and moves them into place
// only when all were written, so a failure or a stop signal leaves no part
// of the scene. Material names that give the same file name get "-2",
// "-3", ...; no file may replace one of the inputs.
bool writeSceneFolder(const std::filesystem::path& folder, const SceneOutcome& scene, const InputPaths& inputs,
                      std::string& error);

}  // namespace noxbin2xml
