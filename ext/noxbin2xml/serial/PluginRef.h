// The value of a "plugin" parameter: a reference to one of the objects that
// write assets of their own. A closed variant, so every holder is one the
// writer knows how to name.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace KilnCore {

class BaseTexture;
class BaseMaterial;
class BaseUVW;
class BaseCamera;
class BaseBitmap;
class BaseLight;

using PluginRef = std::variant<std::shared_ptr<BaseTexture>, std::shared_ptr<BaseMaterial>,
                               std::shared_ptr<BaseUVW>, std::shared_ptr<BaseCamera>,
                               std::shared_ptr<BaseBitmap>, std::shared_ptr<BaseLight>>;

// The URL the referenced object wrote its asset under, given the base URL
// its owner passed it: base + "/" + name for a material, the base alone for a
// sun, base + "/" + pluginType for anything else. Returns false (and appends
// nothing) for an empty reference.
bool appendPluginReference(std::string& out, const PluginRef& ref, std::string_view baseUrl);

}  // namespace KilnCore
