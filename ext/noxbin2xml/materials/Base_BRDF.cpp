#include "materials/Base_BRDF.h"

#include "serial/Fields.h"
#include "serial/Text.h"

namespace KilnCore {
namespace {

using B = Base_BRDF;

const RecordLayout<B>& baseRecord() {
    static const RecordLayout<B> layout = [] {
        RecordLayout<B> layout = RecordLayout<B>::since("Base_BRDF", 1, 4,
                                                        {{"name", &B::name},
                                                         Field<B>("flag1", &B::flag1).addedIn(2),
                                                         Field<B>("flag2", &B::flag2).addedIn(3),
                                                         Field<B>("flag3", &B::flag3).addedIn(4)});
        layout.reset = Reset::BaseOnly;
        return layout;
    }();
    return layout;
}

}  // namespace

bool Base_BRDF::readBase(RecordScope& owner, std::string*) {
    const uint64_t at = owner.archive().readPos();
    const bool ok = readRecord(*this, owner.archive(), baseRecord());
    name = removeControlChars(name);
    if (!ok) owner.failPart(at, "base record failed");
    return true;
}

bool Base_BRDF::writeBase(QuickArchive& ar) { return writeRecord(*this, ar, baseRecord()); }

}  // namespace KilnCore
