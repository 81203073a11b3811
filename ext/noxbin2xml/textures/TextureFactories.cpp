#include <array>

#include "textures/BitmapBuffer.h"
#include "textures/SkyTexture.h"
#include "textures/Textures.h"
#include "textures/UvwGenerators.h"

namespace KilnCore {
namespace {

const std::array<FactoryEntry<BaseTexture>, 13> kTextures{{
    {BitmapTexture::kTypeId, makeDefault<BitmapTexture, BaseTexture>},
    {FresnelTexture::kTypeId, makeDefault<FresnelTexture, BaseTexture>},
    {UVWTexture::kTypeId, makeDefault<UVWTexture, BaseTexture>},
    {NoiseTexture::kTypeId, makeDefault<NoiseTexture, BaseTexture>},
    {CheckerTexture::kTypeId, makeDefault<CheckerTexture, BaseTexture>},
    {AColorTexture::kTypeId, makeDefault<AColorTexture, BaseTexture>},
    {GridTexture::kTypeId, makeDefault<GridTexture, BaseTexture>},
    {ClothTexture::kTypeId, makeDefault<ClothTexture, BaseTexture>},
    {BulgeTexture::kTypeId, makeDefault<BulgeTexture, BaseTexture>},
    {InvertTexture::kTypeId, makeDefault<InvertTexture, BaseTexture>},
    {BlendTexture::kTypeId, makeDefault<BlendTexture, BaseTexture>},
    {RampTexture::kTypeId, makeDefault<RampTexture, BaseTexture>},
    {SkyTexture::kTypeId, makeDefault<SkyTexture, BaseTexture>},
}};

const std::array<FactoryEntry<BaseUVW>, 4> kGenerators{{
    {GenPlanarWorldUVW::kTypeId, makeDefault<GenPlanarWorldUVW, BaseUVW>},
    {GenObjectUVW::kTypeId, makeDefault<GenObjectUVW, BaseUVW>},
    {GenEnvironmentUVW::kTypeId, makeDefault<GenEnvironmentUVW, BaseUVW>},
    {GenChannelUVW::kTypeId, makeDefault<GenChannelUVW, BaseUVW>},
}};

const std::array<FactoryEntry<BaseBitmap>, 1> kBitmaps{{
    {BitmapBuffer::kTypeId, makeDefault<BitmapBuffer, BaseBitmap>},
}};

// Display names, indexed by texture type identifier.
constexpr std::array<std::string_view, 13> kTextureTypeNames{"Bitmap", "Fresnel", "UVW",   "Noise", "Checker",
                                                             "AColor", "Grid",    "Cloth", "Bulge", "Invert",
                                                             "Blend",  "Ramp",    "Sky"};

}  // namespace

std::shared_ptr<BaseTexture> createTexture(int32_t id) { return createFromTable(kTextures, id); }
std::shared_ptr<BaseUVW> createUVW(int32_t id) { return createFromTable(kGenerators, id); }
std::shared_ptr<BaseBitmap> createBitmap(int32_t id) { return createFromTable(kBitmaps, id); }

std::string_view textureTypeName(int32_t id) {
    return id >= 0 && id < static_cast<int32_t>(kTextureTypeNames.size()) ? kTextureTypeNames[id] : std::string_view();
}

}  // namespace KilnCore
