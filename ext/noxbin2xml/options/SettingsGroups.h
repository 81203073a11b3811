// The options document: 22 settings groups, each an "Assets" element
// holding one settings asset (and, for the environment, its textures).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class AssetXmlWriter;

namespace KilnCore {

class AllOptions;

// The group names in the order they are written.
std::vector<std::string_view> settingsGroupNames();

void writeSettingsGroups(AssetXmlWriter& writer, const AllOptions& options, const std::string& prefix);

}  // namespace KilnCore
