// The one bitmap class: an image file and how it is filtered.
#pragma once

#include <string>

#include "textures/BaseTexture.h"

namespace KilnCore {

class BitmapBuffer final : public BaseBitmap {
public:
    static constexpr int32_t kTypeId = 0;

    std::string file;
    int32_t filter_type = 1;  // 0 no filter, 1 mip-map, 2 summed-area
    float filter_blur = 0.15f;
    float gamma = 1.0f;

    void reset() override { *this = BitmapBuffer(); }
    int32_t typeId() const override { return kTypeId; }
    std::shared_ptr<BaseBitmap> clone() const override { return std::make_shared<BitmapBuffer>(*this); }
    // The file name compares ignoring letter case.
    bool isEqual(const std::shared_ptr<BaseBitmap>& other) const override;

    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;
    std::string_view pluginType() const override { return "BitmapBuffer"; }
};

}  // namespace KilnCore
