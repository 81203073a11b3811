// The frame-buffer stamp: an on/off word, the stamp text, two words and a
// font description, all carried through the options record unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "options/TessarOptionsBase.h"
#include "serial/Fields.h"

namespace KilnUtils {

struct KilnKFBStampInfo {
    static constexpr size_t kFontSize = 60;
    static constexpr const char* kDefaultText = "Kiln Core %kilncore | Render Time %rendertime |";

    int32_t stampOn = 0;
    std::string text = kDefaultText;
    int32_t word1 = 0;
    int32_t word2 = 0;
    std::array<uint8_t, kFontSize> font{};  // opaque font description
};

}  // namespace KilnUtils

namespace KilnCore {

class TessarKFBStampInfo : public TessarOptionsBase, public KilnUtils::KilnKFBStampInfo {
public:
    void reset() override { *this = TessarKFBStampInfo(); }
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    // The stamp has no settings asset.
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return "KFBStampInfo"; }
};

}  // namespace KilnCore
