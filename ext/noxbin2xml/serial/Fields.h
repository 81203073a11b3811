// The record engine. A class describes itself as data: each field once, as a
// descriptor built from a member pointer (with its XML name and form), the
// field list of every record version it reads (RecordLayout), and the
// parameters of its asset. The engine reads, writes, compares, copies and
// writes XML by walking those lists, through one codec per value type
// (Codec.h); with a trace attached to the archive it records every field it
// reads.
//
//   const Field<OmniLight> color{"color", &OmniLight::color};
//   RecordLayout<OmniLight> layout{"OmniLight", 1, {{color, ...}, {color, ...}}};
//   readRecord(light, archive, layout);
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "serial/Codec.h"
#include "serial/ReadTrace.h"

namespace KilnCore {

template <class C>
class Field;

// What a field does, for one class; one table per member type and codec.
template <class C>
struct FieldOps {
    std::string_view type;  // the encoding in records (the codec's kType)
    // `text`, when not null, receives the value read as short text.
    bool (*read)(const Field<C>&, C&, RecordScope&, std::string* text);
    bool (*write)(const Field<C>&, C&, QuickArchive&);
    // The rest is what a field that holds no child and takes part in no
    // comparison does: no parameter, nothing to copy.
    void (*param)(const Field<C>&, const C&, AssetXmlWriter&, std::string_view ownerUrl) =
        [](const Field<C>&, const C&, AssetXmlWriter&, std::string_view) {};
    bool (*equal)(const Field<C>&, const C&, const C&) = [](const Field<C>&, const C&, const C&) { return true; };
    // Owned children: write their own assets, replace them by copies, and
    // whether a record holding them can be written.
    void (*assets)(const Field<C>&, const C&, AssetXmlWriter&, std::string_view ownerUrl) =
        [](const Field<C>&, const C&, AssetXmlWriter&, std::string_view) {};
    void (*copy)(const Field<C>&, C&, bool duplicate) = [](const Field<C>&, C&, bool) {};
    bool (*ready)(const Field<C>&, const C&) = [](const Field<C>&, const C&) { return true; };
};

// One field of class C: a member of C (or of an object embedded in C) and
// the codec that reads, writes and shows it.
template <class C>
class Field : public FieldSpec {
public:
    template <class T, class Owner>
    Field(std::string_view name, T Owner::*member, Form form = Form::Plain)
        : Field(name, form, &opsFor<T, C, Codec<T>>()) {
        member_ = erase<T, C>(member);
    }

    // A field in an object embedded in C: `object` is the embedded object,
    // `member` the field inside it.
    template <class T, class Owner, class Sub, class SubOwner>
    Field(std::string_view name, Sub SubOwner::*object, T Owner::*member, Form form = Form::Plain)
        : Field(name, form, &opsFor<T, Sub, Codec<T>>()) {
        via_ = erase<Sub, C>(object);
        member_ = erase<T, Sub>(member);
    }

    // A field whose member is handled by a codec of its own (an irregular
    // step of an old record, or a parameter computed from the member).
    template <class CodecT, class T, class Owner>
    static Field with(std::string_view name, T Owner::*member, Form form = Form::Plain) {
        Field field(name, form, &opsFor<T, C, CodecT>());
        field.member_ = erase<T, C>(member);
        return field;
    }

    // A record value kept nowhere: read and dropped, written as T{}.
    template <class T, class CodecT = Codec<T>>
    static Field gap(std::string_view name, Form form = Form::Plain) {
        return Field(name, form, &gapOps<T, CodecT>());
    }

    // A part of the record that is no single member (a base record, a name
    // old records carry inline): `Read` (taking the record's scope and, when
    // tracing, the text to show) and `Write` (taking the archive) handle it,
    // each a member function of C or a function taking C first.
    template <auto Read, auto Write>
    static Field step(std::string_view name) {
        return Field(name, Form::Plain, &stepOps<Read, Write>());
    }

    // Copies with one attribute changed.
    Field addedIn(uint16_t version) const { return changed([&](Field& f) { f.since = version; }); }
    Field droppedAfter(uint16_t version) const { return changed([&](Field& f) { f.until = version; }); }
    Field under(std::string_view childName) const { return changed([&](Field& f) { f.child = childName; }); }
    Field labelled(std::string_view text) const { return changed([&](Field& f) { f.label = text; }); }
    Field as(std::string_view xmlName) const { return changed([&](Field& f) { f.name = xmlName; }); }
    // Held only where `held` says so of the object as read so far: a part
    // of the record that an earlier field decides.
    Field when(bool (*held)(const C&)) const { return changed([&](Field& f) { f.held_ = held; }); }
    // Once read, `rejects` names what makes the object unacceptable (empty
    // when nothing does): the read fails with that reason, and an object it
    // rejects is not written.
    Field checkedBy(std::string (*rejects)(const C&)) const {
        return changed([&](Field& f) { f.rejects_ = rejects; });
    }

    // A run of elements of type E behind their uint32 count, each read by
    // Codec<E> and handed to C's member function `Add` as soon as it is read
    // (so each sees those before it); written from what C's `Items` returns.
    // A count beyond the record's end reads what is there.
    template <class E, auto Add, auto Items>
    static Field repeat(std::string_view name) {
        return Field(name, Form::Plain, &repeatOps<E, Add, Items>());
    }
    // The same run with its count kept apart, in `count`, which an earlier
    // field (countOf) read.
    template <class E, auto Add, auto Items>
    static Field repeat(std::string_view name, uint32_t C::*count) {
        Field field = repeat<E, Add, Items>(name);
        field.member_ = erase<uint32_t, C>(count);
        return field;
    }
    // That count: read into `count`, written as the number of `Items`.
    template <auto Items>
    static Field countOf(std::string_view name, uint32_t C::*count) {
        Field field(name, Form::Plain, &countOps<Items>());
        field.member_ = erase<uint32_t, C>(count);
        return field;
    }

    bool heldIn(const C& object) const { return !held_ || held_(object); }
    bool checked() const { return rejects_ != nullptr; }
    // Why the object cannot stand as read or be written; empty when it can.
    std::string rejection(const C& object) const { return rejects_ ? rejects_(object) : std::string(); }

    const FieldOps<C>& ops() const { return *ops_; }

    // The member in `object` when the field is a plain member of type T of
    // C itself, kept by T's own codec (in any form); else null.
    template <class T>
    const T* plainMemberIn(const C& object) const {
        return ops_ == &opsFor<T, C, Codec<T>>() ? &valueIn<T, C>(object) : nullptr;
    }

    // The value the field refers to in `object`.
    template <class T, class Sub>
    T& valueIn(C& object) const {
        return subObject<Sub>(object).*restore<T, Sub>(member_);
    }
    template <class T, class Sub>
    const T& valueIn(const C& object) const {
        return subObject<Sub>(const_cast<C&>(object)).*restore<T, Sub>(member_);
    }

private:
    // Member pointers of any type and class are kept as one type and turned
    // back into their own type by the operations made for that type.
    struct Erased {};
    using ErasedMember = char Erased::*;

    Field(std::string_view name, Form form, const FieldOps<C>* ops) : ops_(ops) {
        this->name = name;
        this->form = form;
    }

    template <class T, class Class, class Owner>
    static ErasedMember erase(T Owner::*member) {
        static_assert(std::is_base_of_v<Owner, Class>, "the member belongs to another class");
        T Class::*own = member;
        static_assert(sizeof own == sizeof(ErasedMember));
        return reinterpret_cast<ErasedMember>(own);
    }
    template <class T, class Class>
    static T Class::*restore(ErasedMember member) {
        return reinterpret_cast<T Class::*>(member);
    }
    template <class Sub>
    Sub& subObject(C& object) const {
        if constexpr (std::is_same_v<Sub, C>)
            return object;
        else
            return object.*restore<Sub, C>(via_);
    }

    template <class Change>
    Field changed(Change change) const {
        Field copy = *this;
        change(copy);
        return copy;
    }

    template <class T, class Sub, class CodecT>
    static const FieldOps<C>& opsFor();
    template <class T, class CodecT>
    static const FieldOps<C>& gapOps();
    template <auto Read, auto Write>
    static const FieldOps<C>& stepOps();
    template <class E, auto Add, auto Items>
    static const FieldOps<C>& repeatOps();
    template <auto Items>
    static const FieldOps<C>& countOps();

    const FieldOps<C>* ops_;
    ErasedMember via_ = nullptr;
    ErasedMember member_ = nullptr;
    bool (*held_)(const C&) = nullptr;
    std::string (*rejects_)(const C&) = nullptr;
};

template <class C>
template <class T, class Sub, class CodecT>
const FieldOps<C>& Field<C>::opsFor() {
    static const FieldOps<C> ops{
        CodecT::kType,
        [](const Field& f, C& o, RecordScope& rec, std::string* text) {
            T& value = f.template valueIn<T, Sub>(o);
            const bool ok = CodecT::read(rec, value, f);
            if (text) CodecT::text(*text, value);
            return ok;
        },
        [](const Field& f, C& o, QuickArchive& ar) { return CodecT::write(ar, f.template valueIn<T, Sub>(o), f); },
        [](const Field& f, const C& o, AssetXmlWriter& w, std::string_view url) {
            CodecT::param(w, f.template valueIn<T, Sub>(o), f, url);
        },
        [](const Field& f, const C& a, const C& b) {
            return f.has(Form::Uncompared) || CodecT::equal(f.template valueIn<T, Sub>(a), f.template valueIn<T, Sub>(b));
        },
        [](const Field& f, const C& o, AssetXmlWriter& w, std::string_view url) {
            CodecT::assets(w, f.template valueIn<T, Sub>(o), f, url);
        },
        [](const Field& f, C& o, bool duplicate) {
            if (!f.has(Form::Shared)) CodecT::copy(f.template valueIn<T, Sub>(o), duplicate);
        },
        [](const Field& f, const C& o) { return CodecT::ready(f.template valueIn<T, Sub>(o), f); },
    };
    return ops;
}

template <class C>
template <class T, class CodecT>
const FieldOps<C>& Field<C>::gapOps() {
    static const FieldOps<C> ops{
        CodecT::kType,
        [](const Field& f, C&, RecordScope& rec, std::string* text) {
            T dropped{};
            const bool ok = CodecT::read(rec, dropped, f);
            if (text) CodecT::text(*text, dropped);
            return ok;
        },
        [](const Field& f, C&, QuickArchive& ar) {
            T zero{};
            return CodecT::write(ar, zero, f);
        },
        [](const Field& f, const C&, AssetXmlWriter& w, std::string_view url) { CodecT::param(w, T{}, f, url); },
    };
    return ops;
}

template <class C>
template <auto Read, auto Write>
const FieldOps<C>& Field<C>::stepOps() {
    static const FieldOps<C> ops{
        "part",
        [](const Field&, C& o, RecordScope& rec, std::string* text) { return std::invoke(Read, o, rec, text); },
        [](const Field&, C& o, QuickArchive& ar) { return std::invoke(Write, o, ar); },
    };
    return ops;
}

template <class C>
template <class E, auto Add, auto Items>
const FieldOps<C>& Field<C>::repeatOps() {
    static const FieldOps<C> ops{
        "list",
        [](const Field& f, C& o, RecordScope& rec, std::string* text) {
            QuickArchive& ar = rec.archive();
            uint32_t count = 0;
            if (f.member_)
                count = f.template valueIn<uint32_t, C>(o);
            else
                ar.readUInt32(count);
            // One element for the whole run: a last one cut short by the
            // record's end keeps what its predecessor left in its bytes.
            E item{};
            bool ok = true;
            for (uint32_t i = 0; ok && i < count && !ar.exhausted(); ++i) {
                ok = Codec<E>::read(rec, item, f);
                if (ok) (o.*Add)(item);
            }
            if (text) appendEntryCount(*text, count);
            return ok;
        },
        [](const Field& f, C& o, QuickArchive& ar) {
            auto items = (o.*Items)();
            if (!f.member_) ar.writeUInt32(static_cast<uint32_t>(items.size()));
            for (E& item : items)
                if (!Codec<E>::write(ar, item, f)) return false;
            return true;
        },
    };
    return ops;
}

template <class C>
template <auto Items>
const FieldOps<C>& Field<C>::countOps() {
    static const FieldOps<C> ops{
        "uint32",
        [](const Field& f, C& o, RecordScope& rec, std::string* text) {
            uint32_t& count = f.template valueIn<uint32_t, C>(o);
            rec.archive().readUInt32(count);
            if (text) appendNumberText(*text, int64_t{count});
            return true;
        },
        [](const Field&, C& o, QuickArchive& ar) {
            ar.writeUInt32(static_cast<uint32_t>((o.*Items)().size()));
            return true;
        },
    };
    return ops;
}

template <class C>
using FieldList = std::vector<Field<C>>;

// A member's name and pointer, for a field named after the member it is
// held in: Field<C>(KILN_MEMBER(C, color)), or {KILN_MEMBER(C, color)} in a
// field list.
#define KILN_MEMBER(Class, member) #member, &Class::member
// Declares `member`, that field of Class.
#define KILN_FIELD(Class, member) const ::KilnCore::Field<Class> member{KILN_MEMBER(Class, member)}

// A list followed by more fields: a newer record version that adds fields at
// the end of an older one, or a list that joins two.
template <class C>
FieldList<C> operator+(FieldList<C> fields, const FieldList<C>& more) {
    fields.insert(fields.end(), more.begin(), more.end());
    return fields;
}
template <class C>
FieldList<C> operator+(FieldList<C> fields, const Field<C>& more) {
    fields.push_back(more);
    return fields;
}

// What reading a record does to the object before it reads the fields.
enum class Reset : uint8_t {
    Defaults,         // back to the class's defaults (its reset())
    DefaultsAndBase,  // that, and the part its family base keeps (its resetBase())
    BaseOnly,         // only the family base's part
    Keep,             // nothing: fields the record lacks keep what the object held
};

template <class C, class = void>
struct HasReset : std::false_type {};
template <class C>
struct HasReset<C, std::void_t<decltype(std::declval<C&>().reset())>> : std::true_type {};
template <class C, class = void>
struct HasResetBase : std::false_type {};
template <class C>
struct HasResetBase<C, std::void_t<decltype(std::declval<C&>().resetBase())>> : std::true_type {};

template <class C>
void resetForRead(C& object, Reset policy) {
    if (policy == Reset::Keep) return;
    if constexpr (HasReset<C>::value)
        if (policy != Reset::BaseOnly) object.reset();
    if constexpr (HasResetBase<C>::value)
        if (policy != Reset::Defaults) object.resetBase();
}

// The record versions a class reads, each with its own field list in record
// order; the newest is the one written.
template <class C>
struct RecordLayout {
    std::string_view className;
    uint16_t firstVersion = 1;
    std::vector<FieldList<C>> versions;  // versions[v - firstVersion]
    uint16_t tag = 0;                    // the low half of the version word
    Reset reset = Reset::Defaults;
    // Versions inside the range that are not read, and the accepted set as
    // a failure message shows it (the range when not given).
    bool (*skipsVersion)(uint16_t) = nullptr;
    std::string_view acceptedText;
    // Runs after a read that no nested failure stopped.
    void (*finish)(C&, uint16_t version) = nullptr;

    RecordLayout(std::string_view name, uint16_t first, std::vector<FieldList<C>> lists)
        : className(name), firstVersion(first), versions(std::move(lists)) {
        markFirstVersions();
    }

    // Versions first..newest from one list: a field is held from its
    // addedIn version (the first, when not given) to its droppedAfter one.
    static RecordLayout since(std::string_view name, uint16_t first, uint16_t newest, const FieldList<C>& fields) {
        std::vector<FieldList<C>> lists;
        for (uint16_t v = first; v <= newest; ++v) {
            FieldList<C>& list = lists.emplace_back();
            for (const Field<C>& f : fields)
                if (std::max(f.since, first) <= v && v <= f.until) list.push_back(f);
        }
        return RecordLayout(name, first, std::move(lists));
    }

    uint16_t newestVersion() const { return static_cast<uint16_t>(firstVersion + versions.size() - 1); }
    bool accepts(uint16_t version) const {
        return version >= firstVersion && version <= newestVersion() && !(skipsVersion && skipsVersion(version));
    }
    const FieldList<C>& fieldsOf(uint16_t version) const { return versions[version - firstVersion]; }
    const FieldList<C>& newest() const { return versions.back(); }

private:
    // Each field is shown with the first version whose list holds it.
    void markFirstVersions() {
        for (size_t i = 0; i < versions.size(); ++i)
            for (Field<C>& f : versions[i]) {
                f.since = static_cast<uint16_t>(firstVersion + i);
                for (size_t j = 0; j < i && f.since == firstVersion + i; ++j)
                    for (const Field<C>& older : versions[j])
                        if (older.name == f.name) f.since = static_cast<uint16_t>(firstVersion + j);
            }
    }
};

// ------------------------------------------------------------------ walks

// Reads one field with its trace line.
template <class C>
bool readTracedField(const Field<C>& f, C& object, RecordScope& rec, ReadTrace& trace) {
    const uint64_t at = rec.archive().readPos();
    std::string text;
    const bool ok = f.ops().read(f, object, rec, &text);
    // A failed field holds no value of its own (a failed child is not
    // stored), so its text would say what it held before.
    if (!ok) text = "(read failed)";
    trace.field(f.name, at, rec.archive().readPos() - at, f.since, f.ops().type, std::move(text));
    return ok;
}

// The reason a checked field gives fails the record.
template <class C>
bool passesCheck(const Field<C>& f, const C& object, RecordScope& rec) {
    const std::string rejection = f.rejection(object);
    return rejection.empty() || rec.fail(rejection);
}

// Reads the held fields in order; a nested failure or a rejected value
// stops the walk.
template <class C>
bool readFields(C& object, RecordScope& rec, const FieldList<C>& fields) {
    ReadTrace* trace = rec.archive().trace();
    for (const Field<C>& f : fields) {
        if (!f.heldIn(object)) continue;
        const bool ok = trace ? readTracedField(f, object, rec, *trace) : f.ops().read(f, object, rec, nullptr);
        if (!ok || (f.checked() && !passesCheck(f, object, rec))) return false;
    }
    return true;
}

// Writes the held fields in order; an unwritable child stops the walk.
template <class C>
bool writeFields(C& object, QuickArchive& ar, const FieldList<C>& fields) {
    for (const Field<C>& f : fields)
        if (f.heldIn(object) && !f.ops().write(f, object, ar)) return false;
    return true;
}

// Fields one object holds and the other does not differ.
template <class C>
bool fieldsEqual(const C& a, const C& b, const FieldList<C>& fields) {
    for (const Field<C>& f : fields) {
        const bool held = f.heldIn(a);
        if (held != f.heldIn(b) || (held && !f.ops().equal(f, a, b))) return false;
    }
    return true;
}

// Replaces every owned child of a fresh copy by a copy of its own.
template <class C>
void copyChildren(C& copy, const FieldList<C>& fields, bool duplicate) {
    for (const Field<C>& f : fields)
        if (f.heldIn(copy)) f.ops().copy(f, copy, duplicate);
}

// The held parameters in order; `url` is the asset's own URL, the base of
// its children's.
template <class C>
void writeParams(AssetXmlWriter& w, const C& object, const FieldList<C>& params, std::string_view url) {
    for (const Field<C>& f : params)
        if (f.heldIn(object)) f.ops().param(f, object, w, url);
}

// The children's own assets, in list order, before the asset that refers
// to them.
template <class C>
void writeChildAssets(AssetXmlWriter& w, const C& object, const FieldList<C>& fields, std::string_view url) {
    for (const Field<C>& f : fields)
        if (f.heldIn(object)) f.ops().assets(f, object, w, url);
}

// ------------------------------------------------------------------ records

// Reads a record: the version word, the layout's reset,
// the tag and version check, then the fields of that version. The archive's
// trace, when attached, receives the record and each of its fields.
template <class C>
bool readRecord(C& object, QuickArchive& ar, const RecordLayout<C>& layout) {
    RecordScope rec(ar, layout.className);
    const uint32_t word = rec.readVersionWord();
    resetForRead(object, layout.reset);
    const uint16_t version = recordVersion(word);
    if (!rec.accept(word, layout.firstVersion, layout.newestVersion(), layout.tag, layout.skipsVersion,
                    layout.acceptedText))
        return false;
    if (!readFields(object, rec, layout.fieldsOf(version))) return false;
    if (layout.finish) layout.finish(object, version);
    return !rec.partFailed();
}

// Writes the record of the given version (the newest by default). A record
// missing a mandatory child writes nothing.
template <class C>
bool writeRecord(C& object, QuickArchive& ar, const RecordLayout<C>& layout, uint16_t version = 0) {
    const FieldList<C>& fields = version ? layout.fieldsOf(version) : layout.newest();
    for (const Field<C>& f : fields)
        if (f.heldIn(object) && (!f.ops().ready(f, object) || (f.checked() && !f.rejection(object).empty())))
            return false;
    ar.writeUInt32(versionWord(version ? version : layout.newestVersion(), layout.tag));
    return writeFields(object, ar, fields);
}

// An asset holding the parameters of `params`: the frame every family
// writes, with its own attributes.
struct AssetFrame {
    std::string_view url;
    std::string_view type;    // the asset's type attribute, the object's category
    std::string_view layout;  // empty for most assets
    std::string_view pluginName;
    std::string_view pluginType;
};

template <class Parameters>
void writeAssetFrame(AssetXmlWriter& w, const AssetFrame& frame, Parameters&& writeParameters) {
    w.beginAsset(frame.url, frame.type, frame.layout);
    w.beginPlugin(frame.pluginName, frame.pluginType);
    w.beginParameters();
    writeParameters();
    w.endParameters();
    w.endPlugin();
    w.endAsset();
}

template <class C>
void writeParamAsset(AssetXmlWriter& w, const C& object, const FieldList<C>& params, const AssetFrame& frame) {
    writeAssetFrame(w, frame, [&] { writeParams(w, object, params, frame.url); });
}

}  // namespace KilnCore
