// The record conventions for owned children, shared by every family:
//   mandatory child: int32 type identifier, then the child's record;
//   optional child:  presence byte, then (when present) the same.
// And the family factories, each a table from type identifier to class.
//
// A family base declares `static constexpr const char* kFamilyNoun` (used in
// failure reasons, e.g. "unknown texture type 13") and a free function
// `create(int32_t, Tag<Base>)` found by argument-dependent lookup.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "serial/Codec.h"
#include "serial/Fields.h"
#include "serial/RecordScope.h"

namespace KilnCore {

template <class Base>
struct FamilyTag {};

template <class Base>
struct FactoryEntry {
    int32_t id;
    std::shared_ptr<Base> (*make)();
};

template <class Derived, class Base>
std::shared_ptr<Base> makeDefault() {
    return std::make_shared<Derived>();
}

// Why a family has no object for an identifier: "unknown texture type 13".
template <class Base>
std::string unknownType(int32_t id) {
    return std::string("unknown ") + Base::kFamilyNoun + " type " + std::to_string(id);
}

template <class Base, size_t N>
std::shared_ptr<Base> createFromTable(const std::array<FactoryEntry<Base>, N>& table, int32_t id) {
    for (const auto& entry : table)
        if (entry.id == id) return entry.make();
    return {};
}

// Writes a mandatory child; an empty slot cannot be written.
template <class Base>
bool writeChild(QuickArchive& archive, const std::shared_ptr<Base>& child) {
    if (!child) return false;
    archive.writeInt32(child->typeId());
    return child->serialize(archive);
}

// Writes an optional child behind its presence byte.
template <class Base>
bool writeOptionalChild(QuickArchive& archive, const std::shared_ptr<Base>& child) {
    archive.writeBool(child != nullptr);
    return !child || writeChild(archive, child);
}

// Creates a child from the identifier at the read position, puts it in
// `slot` (an unknown identifier leaves the slot empty) and lets it read its
// record; a failed read leaves the child there, read in part. Failures are
// reported on the parent's scope.
template <class Base>
bool readChildInPlace(RecordScope& parent, std::shared_ptr<Base>& slot) {
    QuickArchive& archive = parent.archive();
    const uint64_t at = archive.readPos();
    int32_t id = -1;  // a record that ends here names no child
    archive.readInt32(id);
    if (archive.depth() >= QuickArchive::kMaxDepth) {
        parent.failAt(at, "records nested deeper than " + std::to_string(QuickArchive::kMaxDepth) + " levels");
        return false;
    }
    slot = create(id, FamilyTag<Base>{});
    if (!slot) {
        if (parent.tracing())
            parent.failAt(at, unknownType<Base>(id));
        return false;
    }
    if (!slot->deserialize(archive)) {
        parent.markChildFailed(at);
        if (parent.tracing()) parent.failAt(at, std::string("nested ") + Base::kFamilyNoun + " failed");
        return false;
    }
    return true;
}

// Mandatory child: on success the new child replaces the slot's content.
template <class Base>
bool readChild(RecordScope& parent, std::shared_ptr<Base>& slot) {
    std::shared_ptr<Base> child;
    if (!readChildInPlace(parent, child)) return false;
    slot = std::move(child);
    return true;
}

// Optional child: a presence byte of 0 (or a record that has ended) leaves
// the slot as it is; else the child is read by `Read`.
template <class Base, bool (*Read)(RecordScope&, std::shared_ptr<Base>&) = readChild<Base>>
bool readOptionalChild(RecordScope& parent, std::shared_ptr<Base>& slot) {
    bool present = false;
    parent.archive().readBool(present);
    return !present || Read(parent, slot);
}

// A copy of a child for a copy of its owner. Families whose copies differ
// from clone (materials) overload it.
template <class Base>
std::shared_ptr<Base> copyOf(const std::shared_ptr<Base>& child, bool /*duplicate*/) {
    return child ? child->clone() : child;
}

template <class Base>
using IfFamily = std::enable_if_t<std::is_base_of_v<TessarSerializable, Base>>;

// An owned child: mandatory, or optional (Form::Optional) behind its
// presence byte. Its asset is written under the owner's URL (and the field's
// child name), and its parameter refers to that asset.
template <class Base>
struct Codec<std::shared_ptr<Base>, IfFamily<Base>> {
    using Ref = std::shared_ptr<Base>;
    static constexpr std::string_view kType = "child";

    static bool read(RecordScope& rec, Ref& v, const FieldSpec& f) {
        if (f.has(Form::ClearFirst)) v = nullptr;
        if (f.has(Form::InPlace)) return readOptionalChild<Base, readChildInPlace<Base>>(rec, v);
        return f.has(Form::Optional) ? readOptionalChild(rec, v) : readChild(rec, v);
    }
    static bool write(QuickArchive& ar, Ref& v, const FieldSpec& f) {
        return f.has(Form::Optional) ? writeOptionalChild(ar, v) : writeChild(ar, v);
    }
    static void param(AssetXmlWriter& w, const Ref& v, const FieldSpec& f, std::string_view url) {
        w.writePluginParam(f.name, v.get(), f.childUrl(url), f.label);
    }
    static bool equal(const Ref& a, const Ref& b) { return a ? b && a->isEqual(b) : !b; }
    static void text(std::string& out, const Ref& v) {
        if (!v) {
            out += "none";
            return;
        }
        out += "type ";
        appendNumberText(out, int64_t{v->typeId()});
    }
    static void assets(AssetXmlWriter& w, const Ref& v, const FieldSpec& f, std::string_view url) {
        if (v) v->writeXML(w, f.childUrl(url));
    }
    static void copy(Ref& v, bool duplicate) { v = copyOf(v, duplicate); }
    static bool ready(const Ref& v, const FieldSpec& f) { return v || f.has(Form::Optional); }
};

// A mandatory child stored in two parts, for records that keep the type
// identifiers of several children ahead of their records: ChildType reads
// the identifier and creates the child, ChildRecord reads its record.
template <class Base>
struct ChildType : Codec<std::shared_ptr<Base>> {
    static constexpr std::string_view kType = "int32";
    using Ref = std::shared_ptr<Base>;
    static bool read(RecordScope& rec, Ref& v, const FieldSpec&) {
        const uint64_t at = rec.archive().readPos();
        int32_t id = -1;  // a record that ends here names no child
        rec.archive().readInt32(id);
        v = create(id, FamilyTag<Base>{});
        return v || rec.failAt(at, unknownType<Base>(id));
    }
    static bool write(QuickArchive& ar, Ref& v, const FieldSpec&) {
        ar.writeInt32(v->typeId());
        return true;
    }
    // The ChildRecord field compares and copies the child.
    static bool equal(const Ref&, const Ref&) { return true; }
    static void copy(Ref&, bool) {}
};

template <class Base>
struct ChildRecord : Codec<std::shared_ptr<Base>> {
    static constexpr std::string_view kType = "record";
    using Ref = std::shared_ptr<Base>;
    static bool read(RecordScope& rec, Ref& v, const FieldSpec&) {
        const uint64_t at = rec.archive().readPos();
        if (v->deserialize(rec.archive())) return true;
        rec.markChildFailed(at);
        return rec.failAt(at, "nested record failed");
    }
    static bool write(QuickArchive& ar, Ref& v, const FieldSpec&) { return v->serialize(ar); }
};

// A list of mandatory children behind their count. Its parameter lists the
// URLs of their assets.
template <class Base>
struct Codec<std::vector<std::shared_ptr<Base>>, IfFamily<Base>> {
    static constexpr std::string_view kType = "children";
    using Ref = std::shared_ptr<Base>;
    using List = std::vector<Ref>;
    using One = Codec<Ref>;

    static bool read(RecordScope& rec, List& v, const FieldSpec&) {
        QuickArchive& ar = rec.archive();
        uint32_t count = 0;
        ar.readUInt32(count);
        v.clear();
        for (uint32_t i = 0; i < count && !ar.exhausted(); ++i) {
            Ref child;
            if (!readChild(rec, child)) return false;
            v.push_back(std::move(child));
        }
        return true;
    }
    static bool write(QuickArchive& ar, List& v, const FieldSpec&) {
        ar.writeUInt32(static_cast<uint32_t>(v.size()));
        for (Ref& child : v)
            if (!writeChild(ar, child)) return false;
        return true;
    }
    static void param(AssetXmlWriter& w, const List& v, const FieldSpec& f, std::string_view url) {
        w.beginListParam(f.name, "plugin", f.label);
        for (const Ref& child : v) {
            std::string entry = f.childUrl(url);
            child->appendAssetName(entry);
            w.writeListEntry(entry);
        }
        w.endListParam();
    }
    static bool equal(const List& a, const List& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), One::equal);
    }
    static void text(std::string& out, const List& v) { appendEntryCount(out, v.size()); }
    static void assets(AssetXmlWriter& w, const List& v, const FieldSpec& f, std::string_view url) {
        for (const Ref& child : v) One::assets(w, child, f, url);
    }
    static void copy(List& v, bool duplicate) {
        for (Ref& child : v) One::copy(child, duplicate);
    }
    static bool ready(const List&, const FieldSpec&) { return true; }
};

// A field of C holding an owned child in `member`: its asset goes under the
// owner's URL + "/" + `under` (the owner's URL itself when `under` is empty),
// and its parameter refers to that asset.
template <class C, class Base, class Owner>
Field<C> childField(std::string_view name, std::shared_ptr<Base> Owner::*member, std::string_view under,
                    Form form = Form::Plain) {
    return Field<C>(name, member, form).under(under);
}

// The same child behind a presence byte.
template <class C, class Base, class Owner>
Field<C> optionalChildField(std::string_view name, std::shared_ptr<Base> Owner::*member, std::string_view under,
                            Form form = Form::Plain) {
    return childField<C>(name, member, under, form | Form::Optional);
}

}  // namespace KilnCore
