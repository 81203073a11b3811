// Implements the material interface from a class's description table (see
// FieldTables.h). A class sets kResetsName when its reset also gives it a
// free default name and clears its identifier.
#pragma once

#include "materials/FieldTables.h"
#include "materials/MaterialWalk.h"
#include "materials/SceneMaterials.h"

namespace KilnCore {

template <class C>
class DescribedMaterial : public BaseMaterial {
public:
    void reset() override {
        if (C::kResetsName) resetBase();
        fields::reset(self(), C::description().fields);
    }
    std::shared_ptr<BaseMaterial> duplicate() const override {
        auto copy = copyWith(true);
        copy->name = SceneMaterials::instance().uniqueName(copy->name);
        return copy;
    }
    std::shared_ptr<BaseMaterial> copy() const override { return copyWith(false); }
    bool isEqual(const std::shared_ptr<BaseMaterial>& other) const override {
        MaterialWalk walk(this);
        const C* that = other && other->typeId() == typeId() ? dynamic_cast<const C*>(other.get()) : nullptr;
        return that && !walk.tooDeep() && fields::equal(self(), *that, C::description().fields);
    }
    bool serialize(QuickArchive& archive) override {
        MaterialWalk walk(this);
        return !walk.tooDeep() && writeDescribedRecord(self(), archive, C::description());
    }
    bool deserialize(QuickArchive& archive) override {
        return readDescribedRecord(self(), archive, C::description());
    }
    // Classes without parameters write no asset.
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        MaterialWalk walk(this);
        if (walk.tooDeep() || C::description().params.empty()) return;
        fields::writeAsset(self(), writer, parentUrl + "/" + name, C::description());
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
        if (!walk.tooDeep()) fields::deepCopy<C>(*copy, C::description().fields, duplicate);
        return copy;
    }
};

}  // namespace KilnCore
