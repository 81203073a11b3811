// A material described by a record layout (MaterialFields.h). A class C
// derives from RecordMaterial<C> and provides what RecordObject asks for.
// What materials add: a walk through sub-materials is bounded in depth
// (copies, comparisons and writes stop there), a reset keeps the name and
// identifier, a duplicate takes a free name, and a class without
// parameters writes no asset.
#pragma once

#include "materials/MaterialFields.h"
#include "materials/MaterialWalk.h"
#include "materials/SceneMaterials.h"

namespace KilnCore {

template <class C>
class RecordMaterial : public RecordObject<C, BaseMaterial> {
public:
    // The class's fields back to their defaults (assignment keeps the name
    // and identifier).
    void reset() override {
        static const C defaults;
        this->self() = defaults;
    }
    std::shared_ptr<BaseMaterial> duplicate() const override {
        auto copy = copyWith(true);
        copy->name = libraryInUse().uniqueName(copy->name);
        return copy;
    }
    std::shared_ptr<BaseMaterial> clone() const override { return copyWith(false); }
    bool isEqual(const std::shared_ptr<BaseMaterial>& other) const override {
        MaterialWalk walk(this);
        return !walk.tooDeep() && other && other->typeId() == this->typeId() &&
               RecordObject<C, BaseMaterial>::isEqual(other);
    }
    // The material fields of its newest record.
    std::vector<MaterialRef> parts() const override {
        std::vector<MaterialRef> found;
        for (const Field<C>& field : C::layout().record.newest())
            if (const MaterialRef* part = field.template plainMemberIn<MaterialRef>(this->self()))
                found.push_back(*part);
        return found;
    }
    bool serialize(QuickArchive& archive) override {
        MaterialWalk walk(this);
        return !walk.tooDeep() && RecordObject<C, BaseMaterial>::serialize(archive);
    }
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        MaterialWalk walk(this);
        if (walk.tooDeep() || C::layout().parameters.empty()) return;
        std::string url = parentUrl;
        this->appendAssetName(url);
        writeMaterialAsset(writer, this->self(), url, C::layout());
    }

private:
    // A copy whose owned parts are copies too (duplicates for a duplicate);
    // past the depth limit the parts are shared instead.
    std::shared_ptr<C> copyWith(bool duplicate) const {
        MaterialWalk walk(this);
        auto copy = std::make_shared<C>(this->self());
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
