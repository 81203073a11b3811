// A texture described by the list of its fields. Each entry names a member,
// the record versions that hold it and the XML parameter it is written as;
// a sub-object entry (a slot) also names the child's part of the URL and
// whether the record keeps it behind a presence byte. FieldTexture reads,
// writes, copies, compares and writes the XML of a texture from its list,
// so a texture class is its fields, its list and its constants.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "serial/AssetXmlWriter.h"
#include "serial/Children.h"
#include "serial/QuickArchive.h"
#include "serial/RecordScope.h"
#include "serial/Types.h"
#include "textures/BaseTexture.h"
#include "textures/TextureXml.h"

namespace KilnCore {

template <class T>
struct TextureField {
    using Member =
        std::variant<bool T::*, int32_t T::*, float T::*, Color T::*, AColor T::*, std::shared_ptr<BaseUVW> T::*,
                     std::shared_ptr<BaseBitmap> T::*, std::shared_ptr<BaseTexture> T::*>;
    Member member;
    std::string_view param;  // XML parameter name; empty: kept out of the XML
    uint16_t since = 1;      // first record version that holds the field; 0: XML only
    std::string_view child;  // slots: the child's name under the texture's URL
    bool optional = false;   // slots: the record puts a presence byte first
};

template <class T>
using TextureFields = std::vector<TextureField<T>>;

// A value held from record version `since` on, written as parameter `param`.
template <class T, class V>
TextureField<T> value(V T::*member, std::string_view param, uint16_t since = 1) {
    return {member, param, since, {}, false};
}

// A value the record holds but the XML leaves out.
template <class T, class V>
TextureField<T> recordOnly(V T::*member, uint16_t since = 1) {
    return {member, {}, since, {}, false};
}

// A further parameter showing a value listed before.
template <class T, class V>
TextureField<T> alsoWrittenAs(V T::*member, std::string_view param) {
    return {member, param, 0, {}, false};
}

// A sub-object the texture cannot be written without. Its asset is written
// under the texture's URL + "/" + child (the parameter name unless given).
template <class T, class C>
TextureField<T> slot(std::shared_ptr<C> T::*member, std::string_view param, std::string_view child = {}) {
    return {member, param, 1, child.empty() ? param : child, false};
}

// A sub-object that may be absent.
template <class T, class C>
TextureField<T> optionalSlot(std::shared_ptr<C> T::*member, std::string_view param, std::string_view child = {}) {
    return {member, param, 1, child.empty() ? param : child, true};
}

namespace field_io {

template <class V>
struct IsSlot : std::false_type {};
template <class C>
struct IsSlot<std::shared_ptr<C>> : std::true_type {};

inline void write(QuickArchive& ar, bool v) { ar.writeBool(v); }
inline void write(QuickArchive& ar, int32_t v) { ar.writeInt32(v); }
inline void write(QuickArchive& ar, float v) { ar.writeFloat(v); }
inline void write(QuickArchive& ar, const Color& v) { ar.writeColor(v); }
inline void write(QuickArchive& ar, const AColor& v) { ar.writeAColor(v); }
inline void write(QuickArchive& ar, const Vector3& v) { ar.writeVector(v); }

inline void read(QuickArchive& ar, bool& v) { ar.readBool(v); }
inline void read(QuickArchive& ar, int32_t& v) { ar.readInt32(v); }
inline void read(QuickArchive& ar, float& v) { ar.readFloat(v); }
inline void read(QuickArchive& ar, Color& v) { ar.readColor(v); }
inline void read(QuickArchive& ar, AColor& v) { ar.readAColor(v); }
inline void read(QuickArchive& ar, Vector3& v) { ar.readVector(v); }

inline void param(AssetXmlWriter& w, std::string_view name, bool v) { w.writeBoolParam(name, v); }
inline void param(AssetXmlWriter& w, std::string_view name, int32_t v) { w.writeIntParam(name, v); }
inline void param(AssetXmlWriter& w, std::string_view name, float v) { w.writeFloatParam(name, v); }
inline void param(AssetXmlWriter& w, std::string_view name, const Color& v) { w.writeColorParam(name, v); }
inline void param(AssetXmlWriter& w, std::string_view name, const AColor& v) { w.writeAColorParam(name, v); }

template <class C>
bool sameChild(const std::shared_ptr<C>& a, const std::shared_ptr<C>& b) {
    return a ? a->isEqual(b) : !b;
}

}  // namespace field_io

// Calls onSlot(held, member) for a sub-object field, onValue(held, member)
// for a value field; `held` is the member of `object`.
template <class Object, class Field, class OnSlot, class OnValue>
decltype(auto) visitField(Object& object, const Field& field, OnSlot&& onSlot, OnValue&& onValue) {
    return std::visit(
        [&](auto member) -> decltype(auto) {
            auto& held = object.*member;
            if constexpr (field_io::IsSlot<std::decay_t<decltype(held)>>::value)
                return onSlot(held, member);
            else
                return onValue(held, member);
        },
        field.member);
}

// The texture interface implemented from D's field list. D provides
// kTypeId, kVersion (the newest record version; versions 1..kVersion are
// read), kClassName, kPluginType and a static fields() list, and gives its
// members their defaults in their declarations.
template <class D>
class FieldTexture : public BaseTexture {
public:
    int32_t typeId() const override { return D::kTypeId; }
    std::string_view pluginType() const override { return D::kPluginType; }
    void reset() override { derived() = D(); }

    bool serialize(QuickArchive& ar) override {
        if (!requiredSlotsFilled()) return false;
        ar.writeUInt32(versionWord(D::kVersion));
        for (const auto& field : D::fields()) {
            if (field.since == 0) continue;
            const bool ok = visitField(
                derived(), field,
                [&](auto& child, auto) {
                    return field.optional ? writeOptionalChild(ar, child) : writeChild(ar, child);
                },
                [&](auto& value, auto) {
                    field_io::write(ar, value);
                    return true;
                });
            if (!ok) return false;
        }
        return true;
    }

    // Starts from the defaults, so fields an older version lacks keep them.
    bool deserialize(QuickArchive& ar) override {
        RecordScope rec(ar, D::kClassName);
        reset();
        uint16_t version;
        if (!rec.readVersion(version, 1, D::kVersion)) return false;
        for (const auto& field : D::fields()) {
            if (field.since == 0 || field.since > version) continue;
            const bool ok = visitField(
                derived(), field,
                [&](auto& child, auto) {
                    return field.optional ? readOptionalChild(rec, child) : readChild(rec, child);
                },
                [&](auto& value, auto) {
                    field_io::read(ar, value);
                    return true;
                });
            if (!ok) return false;
        }
        return true;
    }

    // A copy whose sub-objects are copies too.
    std::shared_ptr<BaseTexture> clone() const override {
        auto copy = std::make_shared<D>(derived());
        for (const auto& field : D::fields())
            visitField(
                *copy, field,
                [](auto& child, auto) {
                    if (child) child = child->clone();
                },
                [](auto&, auto) {});
        return copy;
    }

    bool isEqual(const std::shared_ptr<BaseTexture>& other) const override {
        const auto* o = dynamic_cast<const D*>(other.get());
        if (!o) return false;
        for (const auto& field : D::fields()) {
            const bool same = visitField(
                derived(), field, [&](auto& child, auto member) { return field_io::sameChild(child, o->*member); },
                [&](auto& value, auto member) { return value == o->*member; });
            if (!same) return false;
        }
        return true;
    }

    // The present sub-objects first, in parameter order, then the texture.
    void writeXML(AssetXmlWriter& w, const std::string& parentUrl) override {
        const std::string url = joinUrl(parentUrl, pluginType());
        for (const auto& field : D::fields())
            visitField(
                derived(), field,
                [&](auto& child, auto) {
                    if (child) child->writeXML(w, joinUrl(url, field.child));
                },
                [](auto&, auto) {});
        writeTextureAsset(w, url, *this, [&] {
            for (const auto& field : D::fields()) {
                if (field.param.empty()) continue;
                visitField(
                    derived(), field,
                    [&](auto& child, auto) {
                        w.writePluginParam(field.param, child.get(), joinUrl(url, field.child));
                    },
                    [&](auto& value, auto) { field_io::param(w, field.param, value); });
            }
        });
    }

protected:
    D& derived() { return static_cast<D&>(*this); }
    const D& derived() const { return static_cast<const D&>(*this); }

private:
    bool requiredSlotsFilled() const {
        for (const auto& field : D::fields()) {
            const bool filled = visitField(
                derived(), field, [&](auto& child, auto) { return field.optional || child != nullptr; },
                [](auto&, auto) { return true; });
            if (!filled) return false;
        }
        return true;
    }
};

}  // namespace KilnCore
