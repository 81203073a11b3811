// The texture-side families (textures, UVW generators, bitmaps) described by
// record layouts, and the XML they share: an object writes its children's
// assets first, then its own asset under its owner's URL + "/" + its plugin
// type; its plugin element is named by that URL.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "serial/RecordObject.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

template <class D>
void writeTextureAsset(AssetXmlWriter& w, const D& object, const std::string& parentUrl) {
    std::string url = parentUrl;
    object.appendAssetName(url);
    const FieldList<D>& params = D::layout().parameters;
    writeChildAssets(w, object, params, url);
    writeParamAsset(w, object, params, {url, object.category(), "", url, object.pluginType()});
}

// Base is BaseTexture, BaseUVW or BaseBitmap.
template <class D, class Base>
class RecordTexture : public RecordObject<D, Base> {
public:
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        writeTextureAsset(writer, this->self(), parentUrl);
    }
};

}  // namespace KilnCore
