#include "textures/TextureMakers.h"

namespace KilnCore {

// Placeholder until the texture classes exist.
std::shared_ptr<BaseTexture> makeBitmapTexture(const std::string&) { return {}; }

std::shared_ptr<BaseTexture> makeFresnelTexture() { return createTexture(1); }

}  // namespace KilnCore
