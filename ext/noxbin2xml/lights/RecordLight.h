// A light described by a record layout. A light class L derives from
// RecordLight<L> and provides what RecordObject asks for; its asset holds
// the parameters of its layout.
#pragma once

#include <string>

#include "lights/BaseLight.h"
#include "serial/RecordObject.h"

namespace KilnCore {

template <class L>
using LightLayout = ObjectLayout<L>;

template <class L>
class RecordLight : public RecordObject<L, BaseLight> {
public:
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        std::string url = parentUrl;
        this->appendAssetName(url);
        writeAsset(writer, url);
    }

protected:
    void writeAsset(AssetXmlWriter& writer, const std::string& url) {
        const std::string_view light = this->category();
        writeParamAsset(writer, this->self(), L::layout().parameters, {url, light, "", L::kPluginType, light});
    }
};

}  // namespace KilnCore
