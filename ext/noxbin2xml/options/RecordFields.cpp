#include "options/RecordFields.h"

#include "serial/Children.h"
#include "serial/Text.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

void RecordFields::int32(uint16_t since, int32_t& value) {
    if (!carries(since)) return;
    reading() ? void(archive_.readInt32(value)) : archive_.writeInt32(value);
}

void RecordFields::real(uint16_t since, float& value) {
    if (!carries(since)) return;
    reading() ? void(archive_.readFloat(value)) : archive_.writeFloat(value);
}

void RecordFields::real64(uint16_t since, double& value) {
    if (!carries(since)) return;
    reading() ? void(archive_.readDouble(value)) : archive_.writeDouble(value);
}

void RecordFields::color(uint16_t since, Color& value) {
    if (!carries(since)) return;
    reading() ? void(archive_.readColor(value)) : archive_.writeColor(value);
}

void RecordFields::transformD(uint16_t since, TransformD& value) {
    if (!carries(since)) return;
    reading() ? void(archive_.readTransformD(value)) : archive_.writeTransformD(value);
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
    if (!carries(since, until)) return;
    float ignored = 0.0f;
    reading() ? void(archive_.readFloat(ignored)) : archive_.writeFloat(ignored);
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
    if (!(reading() ? readOptionalChild(*scope_, slot) : writeOptionalChild(archive_, slot))) fail();
}

}  // namespace KilnCore
