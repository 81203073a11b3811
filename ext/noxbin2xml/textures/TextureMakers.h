// Ready-made textures that older BRDF and material records imply.
#pragma once

#include <memory>
#include <string>

#include "textures/BaseTexture.h"

namespace KilnCore {

// A bitmap texture on the file at path, mapped by a default channel
// generator; empty for an empty path.
std::shared_ptr<BaseTexture> makeBitmapTexture(const std::string& path);

// A Fresnel texture with its defaults.
std::shared_ptr<BaseTexture> makeFresnelTexture();

}  // namespace KilnCore
