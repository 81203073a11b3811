// The options document: 22 settings groups, each an "Assets" element
// holding one settings asset (and, for the environment, its textures).
#pragma once

#include <string>

class AssetXmlWriter;

namespace KilnCore {

class AllOptions;

void writeSettingsGroups(AssetXmlWriter& writer, const AllOptions& options, const std::string& prefix);

}  // namespace KilnCore
