// Textures the material and scene samples are built from.
#pragma once

#include <memory>
#include <string>

#include "textures/BaseTexture.h"
#include "textures/SkyTexture.h"

namespace samples {

using TextureRef = std::shared_ptr<KilnCore::BaseTexture>;

// A bitmap on the file, mapped by channel `channel` and tiled twice in u.
TextureRef bitmapTexture(const std::string& file, int channel = 1);
// A bitmap looked up as a spherical environment, turned round z.
TextureRef environmentBitmap(const std::string& file);
TextureRef constantColor(float r, float g, float b, float a = 1.0f);
// A noise whose two colours are a checker and a constant.
TextureRef noiseOverChecker();
// A grid with constant line and fill colours, planar world mapping.
TextureRef gridTexture();
TextureRef clothTexture();
// A bulge mapped in object space.
TextureRef bulgeTexture();
// An inverted bitmap.
TextureRef invertedBitmap(const std::string& file);
// A blend of a bitmap and a UVW texture.
TextureRef blendTexture();
// A ramp of a Fresnel texture whose reflection input is a bitmap.
TextureRef rampOverFresnel();
// A sky with its own identifier, pointing to the default sun.
std::shared_ptr<KilnCore::SkyTexture> skyTexture();

}  // namespace samples
