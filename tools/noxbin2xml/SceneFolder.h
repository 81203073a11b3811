// Writing what a scene record holds into a folder: options.xml and one
// document per library material under materials/.
#pragma once

#include <filesystem>
#include <string>

#include "Conversions.h"
#include "OutputPlan.h"

namespace noxbin2xml {

// Writes every file into a staging folder first and moves them into place
// only when all were written, so a failure or a stop signal leaves no part
// of the scene. Material names that give the same file name (letter case
// aside) get "-2", "-3", ...; no file may replace one of the inputs.
bool writeSceneFolder(const std::filesystem::path& folder, const SceneOutcome& scene, const InputFiles& inputs,
                      std::string& error);

}  // namespace noxbin2xml
