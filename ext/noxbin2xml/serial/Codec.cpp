#include "serial/Codec.h"

#include "serial/NumberFormat.h"
#include "serial/Text.h"

namespace KilnCore {

void appendNumberText(std::string& out, float value) {
    char text[kMaxFloatText];
    out.append(text, writeFloat(text, value));
}

void appendNumberText(std::string& out, double value) { appendFloat(out, value); }

void appendNumberText(std::string& out, int64_t value) {
    char text[kMaxIntText];
    out.append(text, writeInt(text, value));
}

void appendNumbersText(std::string& out, const float* values, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) out += ' ';
        appendNumberText(out, values[i]);
    }
}

// Vectors of a matrix or transform are separated by " | ".
template <class T>
void FloatsCodec<T>::text(std::string& out, const T& v) {
    if constexpr (std::is_same_v<T, Color>) {
        appendNumbersText(out, &v.r, 3);
    } else if constexpr (std::is_same_v<T, AColor>) {
        appendNumbersText(out, &v.r, 4);
    } else if constexpr (std::is_same_v<T, Vector3>) {
        appendNumbersText(out, &v.x, 3);
    } else if constexpr (std::is_same_v<T, Matrix3>) {
        for (const Vector3& e : v.e) {
            if (&e != v.e) out += " | ";
            appendNumbersText(out, &e.x, 3);
        }
    } else if constexpr (std::is_same_v<T, Transform>) {
        FloatsCodec<Matrix3>::text(out, v.matrix);
        out += " | ";
        appendNumbersText(out, &v.offset.x, 3);
    } else {
        FloatsCodec<Matrix3>::text(out, v.matrix);
        for (double d : v.offset) {
            out += ' ';
            appendNumberText(out, static_cast<float>(d));
        }
    }
}

template struct FloatsCodec<Color>;
template struct FloatsCodec<AColor>;
template struct FloatsCodec<Vector3>;
template struct FloatsCodec<Matrix3>;
template struct FloatsCodec<Transform>;
template struct FloatsCodec<TransformD>;

bool Codec<std::string>::read(RecordScope& rec, std::string& v, const FieldSpec& f) {
    if (!f.has(Form::KeepIfEmpty)) {
        rec.archive().readWString(v);
        if (f.has(Form::Path) && v.size() > FieldSpec::kPathMaxUnits) v = truncateUtf16(v, FieldSpec::kPathMaxUnits);
        return true;
    }
    std::string read;
    rec.archive().readWString(read);
    if (!read.empty()) v = std::move(read);
    return true;
}

void Codec<std::string>::param(AssetXmlWriter& w, const std::string& v, const FieldSpec& f, std::string_view) {
    if (f.has(Form::File) || f.has(Form::Path))
        w.writeFileParam(f.name, v, f.label, f.has(Form::UserData));
    else
        w.writeStringParam(f.name, v, f.label, f.has(Form::UserData));
}

void Codec<std::string>::text(std::string& out, const std::string& v) {
    out += '"';
    out += v;
    out += '"';
}

bool NoCaseText::equal(const std::string& a, const std::string& b) { return equalsNoCase(a, b); }

bool Codec<std::vector<std::string>>::read(RecordScope& rec, std::vector<std::string>& v, const FieldSpec&) {
    QuickArchive& ar = rec.archive();
    uint32_t count = 0;
    ar.readUInt32(count);
    v.clear();
    for (uint32_t i = 0; i < count && !ar.exhausted(); ++i) ar.readWString(v.emplace_back());
    return true;
}

bool Codec<std::vector<std::string>>::write(QuickArchive& ar, std::vector<std::string>& v, const FieldSpec&) {
    ar.writeUInt32(static_cast<uint32_t>(v.size()));
    for (const std::string& text : v) ar.writeWString(text);
    return true;
}

void Codec<std::vector<std::string>>::param(AssetXmlWriter& w, const std::vector<std::string>& v,
                                            const FieldSpec& f, std::string_view) {
    w.beginListParam(f.name, "", f.label);
    for (const std::string& text : v) w.writeListEntry(text);
    w.endListParam();
}

void Codec<std::vector<std::string>>::text(std::string& out, const std::vector<std::string>& v) {
    appendEntryCount(out, v.size());
}

}  // namespace KilnCore
