#include "scene/MaterialLooks.h"

#include <algorithm>

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/MaterialDocument.h"
#include "textures/TextureMakers.h"
#include "textures/Textures.h"

namespace KilnCore {
namespace {

float unitRange(float value) { return std::clamp(value, 0.0f, 1.0f); }

// The diffuse layers of the BRDF-holding materials under `material`.
std::vector<std::shared_ptr<Diffuse_BRDF>> diffuseLayers(const MaterialHandle& material) {
    std::vector<BrdfHandle> brdfs;
    for (const MaterialHandle& m : findMaterialsOfType(material, MaterialType::Layered))
        for (const BrdfHandle& brdf : static_cast<const MaterialLayeredBRDF&>(*m).brdfs) brdfs.push_back(brdf);
    for (const MaterialHandle& m : findMaterialsOfType(material, MaterialType::SingleBRDF))
        brdfs.push_back(static_cast<const MaterialSingleBRDF&>(*m).brdf);
    std::vector<std::shared_ptr<Diffuse_BRDF>> diffuse;
    for (const BrdfHandle& brdf : brdfs)
        if (auto d = std::dynamic_pointer_cast<Diffuse_BRDF>(brdf)) diffuse.push_back(std::move(d));
    return diffuse;
}

bool isTextureType(const TextureRef& texture, int32_t typeId) { return texture && texture->typeId() == typeId; }

// A texture a conversion from the host makes: a bitmap, or a bitmap blended
// with a plain colour.
bool madeFromHostTexture(const TextureRef& texture) {
    if (isTextureType(texture, BitmapTexture::kTypeId)) return true;
    const auto* blend = dynamic_cast<const BlendTexture*>(texture.get());
    if (!blend) return false;
    const TextureRef& a = blend->color_a;
    const TextureRef& b = blend->color_b;
    return (isTextureType(a, BitmapTexture::kTypeId) && isTextureType(b, AColorTexture::kTypeId)) ||
           (isTextureType(a, AColorTexture::kTypeId) && isTextureType(b, BitmapTexture::kTypeId));
}

}  // namespace

bool basicLookOf(const MaterialHandle& material, BasicLook& look) {
    const std::vector<std::shared_ptr<Diffuse_BRDF>> layers = diffuseLayers(material);
    if (layers.empty()) return false;
    const Diffuse_BRDF& diffuse = *layers.front();
    const Color& t = diffuse.transparency;
    look.color = diffuse.color;
    look.alpha = 1.0f - unitRange((t.r + t.g + t.b) / 3.0f);
    look.textureFile = bitmapFileOf(diffuse.color_tex);
    return true;
}

bool takesBasicLook(const BrdfHandle& brdf) { return dynamic_cast<const Diffuse_BRDF*>(brdf.get()) != nullptr; }

void giveBasicLook(const BrdfHandle& brdf, const Color& color, bool useAlpha, float alpha,
                   const std::string& textureFile) {
    const auto diffuse = std::dynamic_pointer_cast<Diffuse_BRDF>(brdf);
    if (!diffuse) return;
    diffuse->color = color;
    const float transparency = useAlpha ? 1.0f - unitRange(alpha) : 0.0f;
    diffuse->transparency = Color{transparency, transparency, transparency};
    if (madeFromHostTexture(diffuse->color_tex)) diffuse->color_tex.reset();
    if (!diffuse->color_tex) diffuse->color_tex = makeBitmapTexture(textureFile);
}

std::vector<LinkedPart> linkedParts(const MaterialHandle& material) {
    std::vector<LinkedPart> parts;
    for (const MaterialHandle& m : findMaterialsOfType(material, MaterialType::Linked)) {
        const auto& linked = static_cast<const MaterialLinked&>(*m);
        if (!linked.idData.hasText()) continue;
        LinkedPart& part = parts.emplace_back();
        part.name = linked.idData.textId;
        for (auto& diffuse : diffuseLayers(linked.linked)) part.diffuseLayers.push_back(std::move(diffuse));
    }
    return parts;
}

bool linksToHost(const MaterialHandle& material) {
    return !findMaterialsOfType(material, MaterialType::Linked).empty();
}

bool materialRecord(const MaterialHandle& material, QuickArchive& archive, int32_t& type) {
    if (!material || !material->serialize(archive)) return false;
    type = material->typeId();
    return true;
}

}  // namespace KilnCore
