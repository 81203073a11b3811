// Implements the material interface from a class's layout (MaterialFields.h).
// A class C provides kTypeId, kPluginType and a static layout(). Its
// members' initialisers are its defaults.
#pragma once

#include "materials/MaterialFields.h"
#include "materials/MaterialWalk.h"
#include "materials/SceneMaterials.h"

namespace KilnCore {

template <class C>
class DescribedMaterial : public BaseMaterial {
public:
    int32_t typeId() const override { return C::kTypeId; }
    std::string_view pluginType() const override { return C::kPluginType; }

    // The class's fields back to their defaults (assignment keeps the name
    // and identifier).
    void reset() override {
        static const C defaults;
        self() = defaults;
    }
    std::shared_ptr<BaseMaterial> duplicate() const override {
        auto copy = copyWith(true);
        copy->name = libraryInUse().uniqueName(copy->name);
        return copy;
    }
    std::shared_ptr<BaseMaterial> copy() const override { return copyWith(false); }
    bool isEqual(const std::shared_ptr<BaseMaterial>& other) const override {
        MaterialWalk walk(this);
        const C* that = other && other->typeId() == typeId() ? dynamic_cast<const C*>(other.get()) : nullptr;
        return that && !walk.tooDeep() && fieldsEqual(self(), *that, C::layout().record.newest());
    }
    // The material fields of its newest record.
    std::vector<MaterialRef> parts() const override {
        std::vector<MaterialRef> found;
        for (const Field<C>& field : C::layout().record.newest())
            if (const MaterialRef* part = field.template plainMemberIn<MaterialRef>(self())) found.push_back(*part);
        return found;
    }
    bool serialize(QuickArchive& archive) override {
        MaterialWalk walk(this);
        return !walk.tooDeep() && writeRecord(self(), archive, C::layout().record);
    }
    bool deserialize(QuickArchive& archive) override { return readRecord(self(), archive, C::layout().record); }
    // Classes without parameters write no asset.
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        MaterialWalk walk(this);
        if (walk.tooDeep() || C::layout().parameters.empty()) return;
        std::string url = parentUrl;
        appendAssetName(url);
        writeMaterialAsset(writer, self(), url, C::layout());
    }

protected:
    C& self() { return static_cast<C&>(*this); }
    const C& self() const { return static_cast<const C&>(*this); }

private:
    // A copy of the object whose owned parts are copies too; past the depth
    // limit the parts are shared instead.
    std::shared_ptr<C> copyWith(bool duplicate) const {
        MaterialWalk walk(this);
        auto copy = std::make_shared<C>(self());
        if (!walk.tooDeep()) copyChildren(*copy, C::layout().record.newest(), duplicate);
        return copy;
    }
};

// A material that reads a record of the old versions without resetting:
// fields its record lacks keep what the material held.
template <class C>
MaterialLayout<C> keepingValues(MaterialLayout<C> layout) {
    layout.record.reset = Reset::Keep;
    return layout;
}

}  // namespace KilnCore
