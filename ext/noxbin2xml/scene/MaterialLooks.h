// What the scene upgrade needs of the material model, for a binding that
// knows no material class: the basic look a host material and a Kiln
// material share (colour, opacity, bitmap file of a diffuse layer), the
// linked parts through which Kiln materials name host materials, and the
// records of library materials.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "serial/Types.h"

namespace KilnCore {

class BaseMaterial;
class Base_BRDF;
class QuickArchive;

using MaterialHandle = std::shared_ptr<BaseMaterial>;
using BrdfHandle = std::shared_ptr<Base_BRDF>;

struct BasicLook {
    Color color;
    float alpha = 1.0f;       // 1 - the mean transparency, within 0..1
    std::string textureFile;  // the bitmap of the colour texture, if any
};

// The look of the first diffuse layer under `material`; false when it has
// none.
bool basicLookOf(const MaterialHandle& material, BasicLook& look);

// Whether a look can be given to the BRDF: only diffuse layers take one.
bool takesBasicLook(const BrdfHandle& brdf);
// Gives a diffuse layer a host material's look: its colour, a grey
// transparency of 1 - alpha when the host material uses alpha (else none),
// and a bitmap of the texture file as colour texture. A colour texture that
// an earlier conversion made (a bitmap, or a bitmap blended with a plain
// colour) is dropped first; any other is the user's and stays.
void giveBasicLook(const BrdfHandle& brdf, const Color& color, bool useAlpha, float alpha,
                   const std::string& textureFile);

// A linked part of a material: the host material it names (its text
// identifier) and the diffuse layers under the material it links to.
struct LinkedPart {
    std::string name;
    std::vector<BrdfHandle> diffuseLayers;
};
// The linked parts under `material` that name a host material.
std::vector<LinkedPart> linkedParts(const MaterialHandle& material);
// Whether `material` links to host materials at all (any linked part).
bool linksToHost(const MaterialHandle& material);

// The record of `material` and its type identifier; false when it cannot
// be written.
bool materialRecord(const MaterialHandle& material, QuickArchive& archive, int32_t& type);

}  // namespace KilnCore
