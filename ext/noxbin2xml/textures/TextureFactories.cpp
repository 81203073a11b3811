#include "textures/BaseTexture.h"

namespace KilnCore {
namespace {

const std::array<FactoryEntry<BaseTexture>, 0> kTextures{};
const std::array<FactoryEntry<BaseUVW>, 0> kGenerators{};
const std::array<FactoryEntry<BaseBitmap>, 0> kBitmaps{};

}  // namespace

std::shared_ptr<BaseTexture> createTexture(int32_t id) { return createFromTable(kTextures, id); }
std::shared_ptr<BaseUVW> createUVW(int32_t id) { return createFromTable(kGenerators, id); }
std::shared_ptr<BaseBitmap> createBitmap(int32_t id) { return createFromTable(kBitmaps, id); }

}  // namespace KilnCore
