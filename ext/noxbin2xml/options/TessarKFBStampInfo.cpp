#include "options/TessarKFBStampInfo.h"

namespace KilnCore {
namespace {

using S = TessarKFBStampInfo;

// Version 1 stored the font without its count.
const RecordLayout<S>& stampRecord() {
    static const RecordLayout<S> layout = [] {
        const FieldList<S> head = {{"stampOn", &S::stampOn}, {"word1", &S::word1}, {"word2", &S::word2}, {"text", &S::text}};
        return RecordLayout<S>{"TessarKFBStampInfo",
                               1,
                               {head + Field<S>("font", &S::font, Form::Bare), head + Field<S>("font", &S::font)}};
    }();
    return layout;
}

}  // namespace

bool TessarKFBStampInfo::serialize(QuickArchive& archive) { return writeRecord(*this, archive, stampRecord()); }

bool TessarKFBStampInfo::deserialize(QuickArchive& archive) { return readRecord(*this, archive, stampRecord()); }

}  // namespace KilnCore
