// What materials and BRDFs add to the record engine: their layouts (records,
// parameters, the order in which their children write their assets, and the
// asset's layout attribute), their asset, and the field forms old records
// use (a texture stored as a file name).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "materials/BaseMaterial.h"
#include "materials/Base_BRDF.h"
#include "serial/RecordObject.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

using TextureRef = std::shared_ptr<BaseTexture>;
using MaterialRef = std::shared_ptr<BaseMaterial>;
using BrdfRef = std::shared_ptr<Base_BRDF>;

template <class C>
struct MaterialLayout : ObjectLayout<C> {
    MaterialLayout(ObjectLayout<C> object, FieldList<C> order = {}, std::string_view layout = {})
        : ObjectLayout<C>(std::move(object)), assetOrder(std::move(order)), assetLayout(layout) {}

    FieldList<C> assetOrder;       // children's assets, when not in parameter order
    std::string_view assetLayout;  // the asset's layout attribute
};

// The object's asset under `url`: its children's assets first, then its own.
template <class C>
void writeMaterialAsset(AssetXmlWriter& w, const C& object, const std::string& url, const MaterialLayout<C>& layout) {
    writeChildAssets(w, object, layout.assetOrder.empty() ? layout.parameters : layout.assetOrder, url);
    writeParamAsset(w, object, layout.parameters,
                    {url, object.category(), layout.assetLayout, object.pluginType(), object.category()});
}

// A texture that old records keep as the name of its image file: a bitmap
// texture on that file (none for an empty name).
struct FileNameTexture : Codec<TextureRef> {
    static constexpr std::string_view kType = "text";
    static bool read(RecordScope& rec, TextureRef& v, const FieldSpec&);
    static bool write(QuickArchive& ar, TextureRef& v, const FieldSpec&);
    static void text(std::string& out, const TextureRef& v);
};

// The parts of material and BRDF records that are no plain field or child
// (serial/Children.h) of class C: the base record (of BaseMaterial or
// Base_BRDF) and the inline names of old records, a texture kept as a file
// name, and a float old records carry and nothing keeps.
template <class C>
struct MaterialFields {
    template <class Base = BaseMaterial>
    static Field<C> base() {
        return Field<C>::template step<&Base::readBase, &Base::writeBase>("base");
    }
    static Field<C> uniqueName() {
        return Field<C>::template step<&BaseMaterial::readUniqueName, &BaseMaterial::writeName>("name");
    }
    static Field<C> keptName() {
        return Field<C>::template step<&BaseMaterial::readKeptName, &BaseMaterial::writeName>("name");
    }
    template <class Owner>
    static Field<C> fileName(std::string_view name, TextureRef Owner::*member) {
        return Field<C>::template with<FileNameTexture>(name, member);
    }
    static Field<C> unusedFloat() { return Field<C>::template gap<float>("unused"); }
};

}  // namespace KilnCore
