// The one bitmap class: an image file and how it is filtered.
#pragma once

#include <string>

#include "textures/RecordTexture.h"

namespace KilnCore {

class BitmapBuffer final : public RecordTexture<BitmapBuffer, BaseBitmap> {
public:
    static constexpr int32_t kTypeId = BitmapType::Buffer;
    static constexpr std::string_view kPluginType = "BitmapBuffer";
    static const ObjectLayout<BitmapBuffer>& layout();

    std::string file;  // compared ignoring letter case
    int32_t filter_type = 1;  // 0 no filter, 1 mip-map, 2 summed-area
    float filter_blur = 0.15f;
    float gamma = 1.0f;
};

}  // namespace KilnCore
