// The renderer parameter block inside the options, with its binary record.
#pragma once

#include "options/KilnParams.h"
#include "options/TessarOptionsBase.h"

namespace KilnCore {

class RecordFields;

class TessarParams : public TessarOptionsBase {
public:
    static constexpr uint16_t kVersion = 5;
    // The order of regions the options always render in.
    static constexpr int32_t kRegionSequence = 4;

    TessarParams() { reset(); }

    // The renderer defaults, then the region sequence.
    void reset() override;
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    // The block is written only through the settings groups.
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return "TessarParams"; }

    KilnUtils::KilnParams block;

private:
    void fields(RecordFields& f);
};

}  // namespace KilnCore
