// Wraps one material as an object with the XML interface whose XML is the
// whole material document (its own "Assets" element included).
#pragma once

#include <memory>

#include "materials/BaseMaterial.h"

namespace KilnCore {

class MtlTESSARConverter : public TessarXMLSerializable {
public:
    explicit MtlTESSARConverter(std::shared_ptr<BaseMaterial> material) : material_(std::move(material)) {}

    // The parent URL is not used; an empty material writes nothing at all.
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;
    std::string_view pluginType() const override { return "MtlTESSAR"; }
    std::string_view category() const override { return "material"; }

private:
    std::shared_ptr<BaseMaterial> material_;
};

}  // namespace KilnCore
