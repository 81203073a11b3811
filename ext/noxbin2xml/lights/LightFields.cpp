#include "lights/LightFields.h"

#include "serial/AssetXmlWriter.h"

namespace KilnCore {
namespace field_io {

bool read(RecordScope& rec, std::string_view, FieldForm, Color& value) {
    rec.archive().readColor(value);
    return true;
}

bool read(RecordScope& rec, std::string_view, FieldForm, Vector3& value) {
    rec.archive().readVector(value);
    return true;
}

bool read(RecordScope& rec, std::string_view, FieldForm, Transform& value) {
    rec.archive().readTransform(value);
    return true;
}

bool read(RecordScope& rec, std::string_view name, FieldForm form, AnimatedTransform& value) {
    QuickArchive& ar = rec.archive();
    if (form == FieldForm::PlainTransform) {
        Transform plain;
        ar.readTransform(plain);
        value.setValue(plain, 0.0);
        return true;
    }
    const uint64_t at = ar.readPos();
    if (value.deserialize(ar)) return true;
    rec.markChildFailed(at);
    return rec.failAt(at, std::string(name) + " record rejected");
}

bool read(RecordScope& rec, std::string_view, FieldForm, float& value) {
    rec.archive().readFloat(value);
    return true;
}

bool read(RecordScope& rec, std::string_view, FieldForm form, int32_t& value) {
    if (form == FieldForm::UInt32) {
        uint32_t stored = static_cast<uint32_t>(value);
        rec.archive().readUInt32(stored);
        value = static_cast<int32_t>(stored);
    } else {
        rec.archive().readInt32(value);
    }
    return true;
}

bool read(RecordScope& rec, std::string_view, FieldForm, uint32_t& value) {
    rec.archive().readUInt32(value);
    return true;
}

bool read(RecordScope& rec, std::string_view, FieldForm, bool& value) {
    rec.archive().readBool(value);
    return true;
}

// Texts (file names, sun identifiers and names) are what tell records apart
// in a trace, so they are noted.
bool read(RecordScope& rec, std::string_view name, FieldForm, std::string& value) {
    rec.archive().readWString(value);
    rec.note(name, value);
    return true;
}

bool write(QuickArchive& ar, FieldForm, const Color& value) {
    ar.writeColor(value);
    return true;
}

bool write(QuickArchive& ar, FieldForm, const Vector3& value) {
    ar.writeVector(value);
    return true;
}

bool write(QuickArchive& ar, FieldForm, const Transform& value) {
    ar.writeTransform(value);
    return true;
}

bool write(QuickArchive& ar, FieldForm form, AnimatedTransform& value) {
    if (form != FieldForm::PlainTransform) return value.serialize(ar);
    ar.writeTransform(value.valueAt(0.0));
    return true;
}

bool write(QuickArchive& ar, FieldForm, float value) {
    ar.writeFloat(value);
    return true;
}

bool write(QuickArchive& ar, FieldForm form, int32_t value) {
    if (form == FieldForm::UInt32)
        ar.writeUInt32(static_cast<uint32_t>(value));
    else
        ar.writeInt32(value);
    return true;
}

bool write(QuickArchive& ar, FieldForm, uint32_t value) {
    ar.writeUInt32(value);
    return true;
}

bool write(QuickArchive& ar, FieldForm, bool value) {
    ar.writeBool(value);
    return true;
}

bool write(QuickArchive& ar, FieldForm, const std::string& value) {
    ar.writeWString(value);
    return true;
}

void writeParam(AssetXmlWriter& w, std::string_view name, const Color& value) { w.writeColorParam(name, value); }

void writeParam(AssetXmlWriter& w, std::string_view name, const Vector3& value) { w.writeVectorParam(name, value); }

void writeParam(AssetXmlWriter& w, std::string_view name, const Transform& value) {
    w.writeTransformParam(name, value);
}

// An animated placement is written as its value at time 0.
void writeParam(AssetXmlWriter& w, std::string_view name, const AnimatedTransform& value) {
    w.writeTransformParam(name, value.valueAt(0.0));
}

void writeParam(AssetXmlWriter& w, std::string_view name, float value) { w.writeFloatParam(name, value); }

void writeParam(AssetXmlWriter& w, std::string_view name, int32_t value) { w.writeIntParam(name, value); }

// Integer parameters are 32-bit signed: a count above 2^31 - 1 keeps its bits
// and reads back negative, as the old writer's int parameter did.
void writeParam(AssetXmlWriter& w, std::string_view name, uint32_t value) {
    w.writeIntParam(name, static_cast<int32_t>(value));
}

void writeParam(AssetXmlWriter& w, std::string_view name, bool value) { w.writeBoolParam(name, value); }

// The only text parameter of a light is a file name.
void writeParam(AssetXmlWriter& w, std::string_view name, const std::string& value) {
    w.writeFileParam(name, value);
}

}  // namespace field_io
}  // namespace KilnCore
