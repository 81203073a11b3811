#include "materials/MaterialIdData.h"

#include "serial/Fields.h"

namespace KilnCore {
namespace {

using M = MaterialIdData;

// The kind decides which identifier follows it; a kind that names none
// fails the record.
const RecordLayout<M>& idRecord() {
    static const RecordLayout<M> layout = [] {
        const auto unknownKind = [](const M& id) {
            return id.hasText() || id.kind == M::kNumberKind
                       ? std::string()
                       : "identifier kind " + std::to_string(id.kind) + " unknown";
        };
        RecordLayout<M> layout{"MaterialIdData",
                               1,
                               {{Field<M>("kind", &M::kind).checkedBy(unknownKind),
                                 Field<M>("textId", &M::textId).when([](const M& id) { return id.hasText(); }),
                                 Field<M>("numberId", &M::numberId).when([](const M& id) {
                                     return id.kind == M::kNumberKind;
                                 })}}};
        layout.reset = Reset::Keep;
        return layout;
    }();
    return layout;
}

}  // namespace

bool MaterialIdData::serialize(QuickArchive& archive) { return writeRecord(*this, archive, idRecord()); }

bool MaterialIdData::deserialize(QuickArchive& archive) { return readRecord(*this, archive, idRecord()); }

}  // namespace KilnCore
