// The family operations of a class described by a record layout, for any
// family base that declares them (typeId, reset, clone, isEqual and the
// binary interface). A class D derives from RecordObject<D, Base> and
// provides kTypeId, kPluginType and a static layout() returning its
// ObjectLayout; its members' initialisers are its defaults.
#pragma once

#include <memory>

#include "serial/Fields.h"

namespace KilnCore {

// The records a class reads and the parameters of its asset, in order.
template <class D>
struct ObjectLayout {
    RecordLayout<D> record;
    FieldList<D> parameters;
};

// Both from one list in record order: the record versions first..newest as
// RecordLayout::since builds them (Form::ParamOnly fields left out), and the
// parameters in the same order (Form::RecordOnly fields left out).
template <class D>
ObjectLayout<D> layoutFromOneList(std::string_view className, uint16_t first, uint16_t newest,
                                  const FieldList<D>& fields) {
    FieldList<D> record, parameters;
    for (const Field<D>& f : fields) {
        if (!f.has(Form::ParamOnly)) record.push_back(f);
        if (!f.has(Form::RecordOnly)) parameters.push_back(f);
    }
    return {RecordLayout<D>::since(className, first, newest, record), std::move(parameters)};
}

template <class D, class Base>
class RecordObject : public Base {
public:
    int32_t typeId() const override { return D::kTypeId; }
    std::string_view pluginType() const override { return D::kPluginType; }

    // Back to the members' initialisers.
    void reset() override { self() = D(); }

    // A copy whose owned children are copies too.
    std::shared_ptr<Base> clone() const override {
        auto copy = std::make_shared<D>(self());
        copyChildren(*copy, D::layout().record.newest(), false);
        return copy;
    }

    // The same class with every field of the newest record equal.
    bool isEqual(const std::shared_ptr<Base>& other) const override {
        const D* that = dynamic_cast<const D*>(other.get());
        return that && fieldsEqual(self(), *that, D::layout().record.newest());
    }

    bool serialize(QuickArchive& ar) override { return writeRecord(self(), ar, D::layout().record); }
    bool deserialize(QuickArchive& ar) override { return readRecord(self(), ar, D::layout().record); }

protected:
    D& self() { return static_cast<D&>(*this); }
    const D& self() const { return static_cast<const D&>(*this); }
};

}  // namespace KilnCore
