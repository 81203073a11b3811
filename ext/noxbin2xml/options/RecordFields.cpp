#include "options/RecordFields.h"

#include "serial/Children.h"
#include "serial/Text.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

namespace {

// Reads into or writes from `value` with the archive's twin primitives.
template <class T, class Read, class Write>
void transfer(RecordFields& f, T& value, Read read, Write write) {
    if (f.reading())
        (f.archive().*read)(value);
    else
        (f.archive().*write)(value);
}

}  // namespace

void RecordFields::int32(uint16_t since, int32_t& value) {
    if (carries(since)) transfer(*this, value, &QuickArchive::readInt32, &QuickArchive::writeInt32);
}

void RecordFields::real(uint16_t since, float& value) {
    if (carries(since)) transfer(*this, value, &QuickArchive::readFloat, &QuickArchive::writeFloat);
}

void RecordFields::real64(uint16_t since, double& value) {
    if (carries(since)) transfer(*this, value, &QuickArchive::readDouble, &QuickArchive::writeDouble);
}

void RecordFields::color(uint16_t since, Color& value) {
    if (carries(since)) transfer(*this, value, &QuickArchive::readColor, &QuickArchive::writeColor);
}

void RecordFields::transformD(uint16_t since, TransformD& value) {
    if (carries(since)) transfer(*this, value, &QuickArchive::readTransformD, &QuickArchive::writeTransformD);
}

void RecordFields::text(uint16_t since, std::string& value, size_t maxUnits) {
    if (!carries(since)) return;
    if (!reading()) return archive_.writeWString(value);
    archive_.readWString(value);
    if (maxUnits != std::string::npos) value = truncateUtf16(value, maxUnits);
}

void RecordFields::textUnlessEmpty(uint16_t since, std::string& value) {
    if (!carries(since)) return;
    if (!reading()) return archive_.writeWString(value);
    std::string read;
    archive_.readWString(read);
    if (!read.empty()) value = std::move(read);
}

void RecordFields::unusedInt32(uint16_t since) {
    int32_t ignored = 0;
    int32(since, ignored);
}

void RecordFields::unusedFloat(uint16_t since, uint16_t until) {
    float ignored = 0.0f;
    if (carries(since, until)) transfer(*this, ignored, &QuickArchive::readFloat, &QuickArchive::writeFloat);
}

void RecordFields::nested(uint16_t since, TessarSerializable& object) {
    if (!carries(since)) return;
    const uint64_t at = archive_.readPos();
    if (reading() ? object.deserialize(archive_) : object.serialize(archive_)) return;
    if (reading()) scope_->markChildFailed(at);
    fail();
}

void RecordFields::optionalTexture(uint16_t since, std::shared_ptr<BaseTexture>& slot) {
    if (!carries(since)) return;
    const bool ok = reading() ? readOptionalChild<BaseTexture, readChildInPlace<BaseTexture>>(*scope_, slot)
                              : writeOptionalChild(archive_, slot);
    if (!ok) fail();
}

}  // namespace KilnCore
