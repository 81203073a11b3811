// The renderer parameter block inside the options, with its binary record.
#pragma once

#include "options/KilnParams.h"
#include "options/TessarOptionsBase.h"
#include "serial/Fields.h"

namespace KilnCore {

// The renderer's defaults, with the order of regions the options always
// render in.
class TessarParams : public TessarOptionsBase, public KilnUtils::KilnParams {
public:
    static constexpr int32_t kRegionSequence = 4;

    TessarParams() { regions_seqtype = kRegionSequence; }

    void reset() override { *this = TessarParams(); }
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    // The block is written only through the settings groups.
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return "TessarParams"; }

    static const RecordLayout<TessarParams>& layout();
};

}  // namespace KilnCore
