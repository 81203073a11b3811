// Ready-made textures that older BRDF and material records imply, and the
// file a bitmap texture shows.
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

// The image file of a bitmap texture; empty for anything else.
std::string bitmapFileOf(const std::shared_ptr<BaseTexture>& texture);

}  // namespace KilnCore
