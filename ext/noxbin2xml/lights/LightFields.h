// Light records and parameter lists as data. A light class names each of its
// fields once (LIGHT_FIELD), lists the fields of every record version and its
// XML parameters in order (LightLayout), and the routines here read, write,
// compare and write XML by walking those lists.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "animated/AnimatedValues.h"
#include "serial/RecordScope.h"
#include "serial/Types.h"

class AssetXmlWriter;

namespace KilnCore {

// How a record keeps a field when an old version stores it in another form.
enum class FieldForm : uint8_t {
    Native,          // the primitive of the field's own type
    UInt32,          // an int32 field written as a uint32 (the same four bytes)
    PlainTransform,  // an animated transform kept as one plain transform: its value at time 0
};

// One field of the light class L: its name (also its XML parameter name), the
// member it lives in, and the form a record keeps it in.
template <class L>
struct LightField {
    using Member = std::variant<Color L::*, Vector3 L::*, Transform L::*, AnimatedTransform L::*, float L::*,
                                int32_t L::*, uint32_t L::*, bool L::*, std::string L::*>;
    std::string_view name;
    Member member;
    FieldForm form = FieldForm::Native;
};

template <class L>
using FieldList = std::vector<LightField<L>>;

// Declares the constant `member`, the field of Class held in Class::member.
#define LIGHT_FIELD(Class, member) constexpr ::KilnCore::LightField<Class> member{#member, &Class::member}

template <class L>
constexpr LightField<L> asUInt32(LightField<L> field) {
    field.form = FieldForm::UInt32;
    return field;
}

template <class L>
constexpr LightField<L> asPlainTransform(LightField<L> field) {
    field.form = FieldForm::PlainTransform;
    return field;
}

// A record version that is an older one with fields added at its end.
template <class L>
FieldList<L> extend(FieldList<L> fields, std::initializer_list<LightField<L>> more) {
    fields.insert(fields.end(), more);
    return fields;
}

// The record versions a light reads (1 to n; version n is the one written)
// and the parameters its asset holds.
template <class L>
struct LightLayout {
    std::vector<FieldList<L>> records;  // records[v - 1]: the fields of version v
    FieldList<L> parameters;            // in the order they are written

    uint16_t newestVersion() const { return static_cast<uint16_t>(records.size()); }
    // The newest record holds every stored field.
    const FieldList<L>& allFields() const { return records.back(); }
};

// One primitive value per field type: read (false only for a rejected
// animated transform record), write, and write as an XML parameter.
namespace field_io {

bool read(RecordScope& rec, std::string_view name, FieldForm form, Color& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, Vector3& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, Transform& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, AnimatedTransform& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, float& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, int32_t& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, uint32_t& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, bool& value);
bool read(RecordScope& rec, std::string_view name, FieldForm form, std::string& value);

bool write(QuickArchive& ar, FieldForm form, const Color& value);
bool write(QuickArchive& ar, FieldForm form, const Vector3& value);
bool write(QuickArchive& ar, FieldForm form, const Transform& value);
bool write(QuickArchive& ar, FieldForm form, AnimatedTransform& value);
bool write(QuickArchive& ar, FieldForm form, float value);
bool write(QuickArchive& ar, FieldForm form, int32_t value);
bool write(QuickArchive& ar, FieldForm form, uint32_t value);
bool write(QuickArchive& ar, FieldForm form, bool value);
bool write(QuickArchive& ar, FieldForm form, const std::string& value);

void writeParam(AssetXmlWriter& w, std::string_view name, const Color& value);
void writeParam(AssetXmlWriter& w, std::string_view name, const Vector3& value);
void writeParam(AssetXmlWriter& w, std::string_view name, const Transform& value);
void writeParam(AssetXmlWriter& w, std::string_view name, const AnimatedTransform& value);
void writeParam(AssetXmlWriter& w, std::string_view name, float value);
void writeParam(AssetXmlWriter& w, std::string_view name, int32_t value);
void writeParam(AssetXmlWriter& w, std::string_view name, uint32_t value);
void writeParam(AssetXmlWriter& w, std::string_view name, bool value);
void writeParam(AssetXmlWriter& w, std::string_view name, const std::string& value);

template <class T>
bool same(const T& a, const T& b) {
    return a == b;  // floats by ordinary equality: a NaN is never equal
}
inline bool same(const AnimatedTransform& a, const AnimatedTransform& b) { return a.isEqual(b); }

}  // namespace field_io

template <class L>
bool readFields(RecordScope& rec, L& light, const FieldList<L>& fields) {
    for (const auto& field : fields) {
        const bool ok = std::visit(
            [&](auto member) { return field_io::read(rec, field.name, field.form, light.*member); }, field.member);
        if (!ok) return false;
    }
    return true;
}

template <class L>
bool writeFields(QuickArchive& ar, L& light, const FieldList<L>& fields) {
    for (const auto& field : fields) {
        const bool ok =
            std::visit([&](auto member) { return field_io::write(ar, field.form, light.*member); }, field.member);
        if (!ok) return false;
    }
    return true;
}

template <class L>
void writeParams(AssetXmlWriter& w, const L& light, const FieldList<L>& fields) {
    for (const auto& field : fields)
        std::visit([&](auto member) { field_io::writeParam(w, field.name, light.*member); }, field.member);
}

template <class L>
bool fieldsEqual(const L& a, const L& b, const FieldList<L>& fields) {
    for (const auto& field : fields) {
        const bool same = std::visit([&](auto member) { return field_io::same(a.*member, b.*member); }, field.member);
        if (!same) return false;
    }
    return true;
}

}  // namespace KilnCore
