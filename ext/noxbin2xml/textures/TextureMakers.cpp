#include "textures/TextureMakers.h"

#include "textures/BitmapBuffer.h"
#include "textures/Textures.h"
#include "textures/UvwGenerators.h"

namespace KilnCore {

std::shared_ptr<BaseTexture> makeBitmapTexture(const std::string& path) {
    if (path.empty()) return {};
    auto buffer = std::make_shared<BitmapBuffer>();
    buffer->file = path;
    auto texture = std::make_shared<BitmapTexture>();
    texture->uvwgen = std::make_shared<GenChannelUVW>();
    texture->bitmap = buffer;
    return texture;
}

std::shared_ptr<BaseTexture> makeFresnelTexture() { return std::make_shared<FresnelTexture>(); }

std::string bitmapFileOf(const std::shared_ptr<BaseTexture>& texture) {
    const auto* bitmap = dynamic_cast<const BitmapTexture*>(texture.get());
    const auto* buffer = bitmap ? dynamic_cast<const BitmapBuffer*>(bitmap->bitmap.get()) : nullptr;
    return buffer ? buffer->file : std::string();
}

}  // namespace KilnCore
