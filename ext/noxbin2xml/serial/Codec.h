// One codec per value type: how a value is read from and written to a
// record, written as an XML parameter, compared, and shown in a read trace.
// Every field of every record goes through these; a field's form (FieldSpec)
// picks the variant of a type's encoding that an old record uses.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "serial/AssetXmlWriter.h"
#include "serial/QuickArchive.h"
#include "serial/RecordScope.h"
#include "serial/Serializable.h"
#include "serial/Types.h"

namespace KilnCore {

// How a field is kept where its type's plain encoding does not fit. Flags,
// combined with |.
enum class Form : uint16_t {
    Plain = 0,
    Optional = 1 << 0,     // a child behind a presence byte
    ClearFirst = 1 << 1,   // an optional child emptied before its presence byte is read
    Shared = 1 << 2,       // a child that copies share instead of copying
    Uncompared = 1 << 3,   // left out of comparisons
    Flag = 1 << 4,         // an int32 written as a bool parameter
    File = 1 << 5,         // a text written as a file parameter
    KeepIfEmpty = 1 << 6,  // a text that, read empty, keeps the text held
    Path = 1 << 7,         // a file path: kept to 2047 UTF-16 units, written as a file parameter
    AtTimeZero = 1 << 8,   // an animated value kept as its one value at time 0
    MatrixOnly = 1 << 9,   // placement components written as a matrix, without offset
    UserData = 1 << 10,    // a parameter marked as user data
    RecordOnly = 1 << 11,  // in a list that builds both (layoutFromOneList): no parameter
    ParamOnly = 1 << 12,   // in such a list: a parameter only, not in the record
    InPlace = 1 << 13,     // a child stored before it reads, so one whose read fails stays, read in part
    Bare = 1 << 14,        // bytes without their count (old records)
};
constexpr Form operator|(Form a, Form b) { return Form(uint16_t(a) | uint16_t(b)); }

// What the codecs and the engine know of a field.
struct FieldSpec {
    // The old fixed path buffers held this many UTF-16 units.
    static constexpr size_t kPathMaxUnits = 2047;

    std::string_view name;      // trace name, and the XML parameter name
    Form form = Form::Plain;
    std::string_view child;     // a child's asset URL below its owner's: owner URL + "/" + child
    std::string_view label;     // the XML label when it is not the name
    uint16_t since = 0;         // the first record version that holds the field
    uint16_t until = 0xFFFF;    // the last record version that holds it

    bool has(Form f) const { return (uint16_t(form) & uint16_t(f)) != 0; }
    // The URL a child of this field is written under.
    std::string childUrl(std::string_view ownerUrl) const {
        std::string url(ownerUrl);
        if (!child.empty()) {
            url += '/';
            url += child;
        }
        return url;
    }
};

// A codec provides, for a value type T:
//   kType                                              its encoding in records, for traces
//   read(RecordScope&, T&, const FieldSpec&) -> bool   false only for a failed nested record
//   write(QuickArchive&, T&, const FieldSpec&) -> bool  false only for an unwritable child
//   param(AssetXmlWriter&, const T&, const FieldSpec&, std::string_view ownerUrl)
//   equal(const T&, const T&) -> bool
//   text(std::string&, const T&)                        the value as short text, for traces
// and, for owned children, assets / copy / ready (CodecDefaults has the
// no-op versions every other type inherits).
template <class T, class = void>
struct Codec;

template <class T>
struct CodecDefaults {
    static bool equal(const T& a, const T& b) { return a == b; }  // floats: a NaN is never equal
    static void assets(AssetXmlWriter&, const T&, const FieldSpec&, std::string_view) {}
    static void copy(T&, bool) {}
    static bool ready(const T&, const FieldSpec&) { return true; }
};

// A parameter computed from a member, in no record itself: its codec
// provides param only.
template <class T>
struct ParamCodec : CodecDefaults<T> {
    static constexpr std::string_view kType = "";
    static bool read(RecordScope&, T&, const FieldSpec&) { return true; }
    static bool write(QuickArchive&, T&, const FieldSpec&) { return true; }
    static bool equal(const T&, const T&) { return true; }
    static void text(std::string&, const T&) {}
};

// Numbers as the documents write them.
void appendNumberText(std::string& out, float value);
void appendNumberText(std::string& out, double value);
void appendNumberText(std::string& out, int64_t value);
void appendNumbersText(std::string& out, const float* values, size_t count);
// "3 entries", "1 entry": the length of a list as traces show it.
inline void appendEntryCount(std::string& out, uint64_t count) {
    appendNumberText(out, static_cast<int64_t>(count));
    out += count == 1 ? " entry" : " entries";
}

template <>
struct Codec<bool> : CodecDefaults<bool> {
    static constexpr std::string_view kType = "bool";
    static bool read(RecordScope& rec, bool& v, const FieldSpec&) {
        rec.archive().readBool(v);
        return true;
    }
    static bool write(QuickArchive& ar, bool& v, const FieldSpec&) {
        ar.writeBool(v);
        return true;
    }
    static void param(AssetXmlWriter& w, bool v, const FieldSpec& f, std::string_view) {
        w.writeBoolParam(f.name, v, f.label, f.has(Form::UserData));
    }
    static void text(std::string& out, bool v) { out += v ? "true" : "false"; }
};

// Integers and floats: 4 (double: 8) bytes, little-endian.
template <class T>
struct NumberCodec : CodecDefaults<T> {
    static bool read(RecordScope& rec, T& v, const FieldSpec&) {
        rec.archive().readBytes(&v, sizeof v);
        return true;
    }
    static bool write(QuickArchive& ar, T& v, const FieldSpec&) {
        ar.writeBytes(&v, sizeof v);
        return true;
    }
    static void text(std::string& out, T v) {
        if constexpr (std::is_integral_v<T>)
            appendNumberText(out, static_cast<int64_t>(v));
        else
            appendNumberText(out, v);
    }
};

template <>
struct Codec<int32_t> : NumberCodec<int32_t> {
    static constexpr std::string_view kType = "int32";
    static void param(AssetXmlWriter& w, int32_t v, const FieldSpec& f, std::string_view) {
        if (f.has(Form::Flag))
            w.writeBoolParam(f.name, v != 0, f.label, f.has(Form::UserData));
        else
            w.writeIntParam(f.name, v, f.label, f.has(Form::UserData));
    }
};

// Integer parameters are 32-bit signed: a count above 2^31 - 1 keeps its
// bits and reads back negative, as the old writer's int parameter did.
template <>
struct Codec<uint32_t> : NumberCodec<uint32_t> {
    static constexpr std::string_view kType = "uint32";
    static void param(AssetXmlWriter& w, uint32_t v, const FieldSpec& f, std::string_view) {
        w.writeIntParam(f.name, static_cast<int32_t>(v), f.label, f.has(Form::UserData));
    }
};

template <>
struct Codec<float> : NumberCodec<float> {
    static constexpr std::string_view kType = "float32";
    static void param(AssetXmlWriter& w, float v, const FieldSpec& f, std::string_view) {
        w.writeFloatParam(f.name, v, f.label, f.has(Form::UserData));
    }
};

// Parameters are float32: a double is narrowed.
template <>
struct Codec<double> : NumberCodec<double> {
    static constexpr std::string_view kType = "float64";
    static void param(AssetXmlWriter& w, double v, const FieldSpec& f, std::string_view) {
        w.writeFloatParam(f.name, static_cast<float>(v), f.label, f.has(Form::UserData));
    }
};

// Vectors, colours, matrices and transforms: their floats in order, read
// through a zeroed temporary (QuickArchive). The frame data's camera
// transforms keep a float64 offset in memory, float32 in records and
// parameters. A matrix has no parameter form of its own.
template <class T>
struct FloatsCodec : CodecDefaults<T> {
    static constexpr std::string_view kType = std::is_same_v<T, Color>     ? "color"
                                              : std::is_same_v<T, AColor>  ? "acolor"
                                              : std::is_same_v<T, Vector3> ? "vector"
                                              : std::is_same_v<T, Matrix3> ? "matrix"
                                                                           : "transform";
    static bool read(RecordScope& rec, T& v, const FieldSpec&) {
        if constexpr (std::is_same_v<T, Color>) rec.archive().readColor(v);
        else if constexpr (std::is_same_v<T, AColor>) rec.archive().readAColor(v);
        else if constexpr (std::is_same_v<T, Vector3>) rec.archive().readVector(v);
        else if constexpr (std::is_same_v<T, Matrix3>) rec.archive().readMatrix(v);
        else if constexpr (std::is_same_v<T, Transform>) rec.archive().readTransform(v);
        else rec.archive().readTransformD(v);
        return true;
    }
    static bool write(QuickArchive& ar, T& v, const FieldSpec&) {
        if constexpr (std::is_same_v<T, TransformD>) ar.writeTransformD(v);
        else ar.writeBytes(&v, sizeof v);
        return true;
    }
    static void param(AssetXmlWriter& w, const T& v, const FieldSpec& f, std::string_view) {
        if constexpr (std::is_same_v<T, Color>) w.writeColorParam(f.name, v, f.label);
        else if constexpr (std::is_same_v<T, AColor>) w.writeAColorParam(f.name, v, f.label);
        else if constexpr (std::is_same_v<T, Vector3>) w.writeVectorParam(f.name, v, f.label);
        else if constexpr (std::is_same_v<T, Transform>) w.writeTransformParam(f.name, v, f.label);
        else if constexpr (std::is_same_v<T, TransformD>) w.writeTransformParam(f.name, narrowed(v), f.label);
    }
    static void text(std::string& out, const T& v);

private:
    static Transform narrowed(const TransformD& v) {
        return {v.matrix, {static_cast<float>(v.offset[0]), static_cast<float>(v.offset[1]),
                           static_cast<float>(v.offset[2])}};
    }
};

template <class T>
struct Codec<T, std::enable_if_t<std::is_same_v<T, Color> || std::is_same_v<T, AColor> ||
                                 std::is_same_v<T, Vector3> || std::is_same_v<T, Matrix3> ||
                                 std::is_same_v<T, Transform> || std::is_same_v<T, TransformD>>>
    : FloatsCodec<T> {};

// Wide text: UTF-8 behind its byte count.
template <>
struct Codec<std::string> : CodecDefaults<std::string> {
    static constexpr std::string_view kType = "text";
    static bool read(RecordScope& rec, std::string& v, const FieldSpec& f);
    static bool write(QuickArchive& ar, std::string& v, const FieldSpec&) {
        ar.writeWString(v);
        return true;
    }
    static void param(AssetXmlWriter& w, const std::string& v, const FieldSpec& f, std::string_view);
    static void text(std::string& out, const std::string& v);
};

// Text that compares ignoring letter case (file names, identifiers).
struct NoCaseText : Codec<std::string> {
    static bool equal(const std::string& a, const std::string& b);
};

// A list of texts: the count, then each text; its parameter is a list.
template <>
struct Codec<std::vector<std::string>> : CodecDefaults<std::vector<std::string>> {
    static constexpr std::string_view kType = "texts";
    static bool read(RecordScope& rec, std::vector<std::string>& v, const FieldSpec&);
    static bool write(QuickArchive& ar, std::vector<std::string>& v, const FieldSpec&);
    static void param(AssetXmlWriter& w, const std::vector<std::string>& v, const FieldSpec& f, std::string_view);
    static void text(std::string& out, const std::vector<std::string>& v);
};

// Two values stored one after the other (an entry of an index).
template <class A, class B>
struct Codec<std::pair<A, B>> : CodecDefaults<std::pair<A, B>> {
    static constexpr std::string_view kType = "pair";
    static bool read(RecordScope& rec, std::pair<A, B>& v, const FieldSpec& f) {
        return Codec<A>::read(rec, v.first, f) && Codec<B>::read(rec, v.second, f);
    }
    static bool write(QuickArchive& ar, std::pair<A, B>& v, const FieldSpec& f) {
        return Codec<A>::write(ar, v.first, f) && Codec<B>::write(ar, v.second, f);
    }
    static void text(std::string& out, const std::pair<A, B>& v) {
        Codec<A>::text(out, v.first);
        out += ' ';
        Codec<B>::text(out, v.second);
    }
};

// Opaque bytes of a fixed size: their count, then at most that many bytes
// (the surplus of a longer record is skipped), or (Form::Bare) the bytes
// alone. No parameter.
template <size_t N>
struct Codec<std::array<uint8_t, N>> : CodecDefaults<std::array<uint8_t, N>> {
    static constexpr std::string_view kType = "bytes";
    static bool read(RecordScope& rec, std::array<uint8_t, N>& v, const FieldSpec& f) {
        if (f.has(Form::Bare))
            rec.archive().readBytes(v.data(), N);
        else
            rec.archive().readByteArray(v.data(), N, false);
        return true;
    }
    static bool write(QuickArchive& ar, std::array<uint8_t, N>& v, const FieldSpec& f) {
        if (f.has(Form::Bare))
            ar.writeBytes(v.data(), N);
        else
            ar.writeByteArray(v.data(), N);
        return true;
    }
    static void param(AssetXmlWriter&, const std::array<uint8_t, N>&, const FieldSpec&, std::string_view) {}
    static void text(std::string& out, const std::array<uint8_t, N>&) {
        appendNumberText(out, static_cast<int64_t>(N));
        out += " bytes";
    }
};

// An embedded object with a record of its own (version word included). A
// record it rejects fails the owner's read.
template <class T, class = void>
struct HasEquality : std::false_type {};
template <class T>
struct HasEquality<T, std::void_t<decltype(std::declval<const T&>() == std::declval<const T&>())>> : std::true_type {};

template <class T>
struct NestedRecordCodec : CodecDefaults<T> {
    static constexpr std::string_view kType = "record";
    // Records without a comparison of their own are the same only as the
    // same object.
    static bool equal(const T& a, const T& b) {
        if constexpr (HasEquality<T>::value)
            return a == b;
        else
            return &a == &b;
    }
    static bool read(RecordScope& rec, T& v, const FieldSpec& f) {
        const uint64_t at = rec.archive().readPos();
        if (v.deserialize(rec.archive())) return true;
        rec.markChildFailed(at);
        return rec.failAt(at, std::string(f.name) + " record rejected");
    }
    static bool write(QuickArchive& ar, T& v, const FieldSpec&) { return v.serialize(ar); }
    static void param(AssetXmlWriter&, const T&, const FieldSpec&, std::string_view) {}
    static void text(std::string& out, const T&) { out += "record"; }
};

template <class T>
struct Codec<T, std::enable_if_t<std::is_base_of_v<TessarSerializable, T>>> : NestedRecordCodec<T> {};

}  // namespace KilnCore
