// Materials and BRDFs are described by tables instead of hand-written code:
// each class lists its fields (with their defaults), the field order of every
// record version it reads, and its XML parameters. The templates here turn
// those tables into reset, comparison, deep copy, record reading and writing,
// and the per-class XML asset.
//
//   Fields:  value(&C::ior, 1.55f), texture(&C::color_tex, "color_texture"), slot(&C::base_mtl)
//   Record:  {&C::color, kSkipFloat, fileName(&C::color_tex), &C::bump_tex, kBase}
//   XML:     {"color", &C::color}, {"affect_alpha", &C::affect_alpha, asBool}
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "materials/BaseMaterial.h"
#include "materials/Base_BRDF.h"
#include "materials/MaterialIdData.h"
#include "serial/AssetXmlWriter.h"
#include "serial/Children.h"
#include "textures/BaseTexture.h"
#include "textures/TextureMakers.h"

namespace KilnCore {

using TextureRef = std::shared_ptr<BaseTexture>;
using MaterialRef = std::shared_ptr<BaseMaterial>;
using BrdfRef = std::shared_ptr<Base_BRDF>;

// Where a field lives in class C.
template <class C>
using Member = std::variant<Color C::*, float C::*, int32_t C::*, bool C::*, std::string C::*,
                            std::vector<std::string> C::*, TextureRef C::*, MaterialRef C::*,
                            std::vector<MaterialRef> C::*, BrdfRef C::*, std::vector<BrdfRef> C::*,
                            MaterialIdData C::*>;

// ---------------------------------------------------------------- fields

struct FresnelDefault {};  // a texture field whose default is a new Fresnel texture
using DefaultValue = std::variant<std::monostate, Color, float, int32_t, bool, FresnelDefault>;

template <class C>
struct TableField {
    Member<C> member;
    DefaultValue initial;            // monostate: empty / cleared
    const char* subAsset = nullptr;  // textures: last part of the sub-asset URL
    bool shared = false;             // copies share the object instead of copying it
    bool compared = true;            // takes part in isEqual
};

template <class T>
struct Exactly {
    using type = T;
};

template <class C, class T>
TableField<C> value(T C::*member, typename Exactly<T>::type initial) {
    return {member, initial};
}
template <class C>
TableField<C> texture(TextureRef C::*member, const char* subAsset) {
    return {member, std::monostate{}, subAsset};
}
template <class C>
TableField<C> fresnelTexture(TextureRef C::*member, const char* subAsset) {
    return {member, FresnelDefault{}, subAsset};
}
// A reference, list or text field that starts out empty.
template <class C, class T>
TableField<C> slot(T C::*member) {
    return {member, std::monostate{}};
}
template <class C, class T>
TableField<C> sharedSlot(T C::*member) {
    return {member, std::monostate{}, nullptr, true};
}
template <class C>
TableField<C> uncompared(TableField<C> field) {
    field.compared = false;
    return field;
}

// ---------------------------------------------------------------- records

enum class StepKind {
    Field,          // the field in its own record form (optional for textures and sub-materials)
    Always,         // a mandatory nested object, no presence byte
    Cleared,        // an optional texture emptied before its presence byte is read
    FileName,       // a file name that becomes a bitmap texture
    FresnelSwitch,  // int32; non-zero puts a new Fresnel texture in the field once the record is read
    SkipFloat,      // a float that is read and dropped
    Base,           // the family base record
    UniqueName,     // an inline material name made unique in the library
    KeptName,       // an inline material name kept as read
};

enum SpecialStep { kBase, kSkipFloat, kUniqueName, kKeptName };

template <class C>
struct Step {
    StepKind kind = StepKind::Field;
    Member<C> member;

    template <class T>
    Step(T C::*m) : member(m) {}  // NOLINT: plain fields are listed as member pointers
    Step(SpecialStep special) : kind(specialKind(special)) {}  // NOLINT
    Step(StepKind k, Member<C> m) : kind(k), member(m) {}

private:
    static StepKind specialKind(SpecialStep s) {
        switch (s) {
            case kBase: return StepKind::Base;
            case kSkipFloat: return StepKind::SkipFloat;
            case kUniqueName: return StepKind::UniqueName;
            case kKeptName: break;
        }
        return StepKind::KeptName;
    }
};

template <class C, class T>
Step<C> always(T C::*m) {
    return {StepKind::Always, m};
}
template <class C>
Step<C> cleared(TextureRef C::*m) {
    return {StepKind::Cleared, m};
}
template <class C>
Step<C> fileName(TextureRef C::*m) {
    return {StepKind::FileName, m};
}
template <class C>
Step<C> fresnelSwitch(TextureRef C::*m) {
    return {StepKind::FresnelSwitch, m};
}

template <class C>
using StepLayout = std::vector<Step<C>>;

// Older layouts are often a newer one cut short, or the other way round.
template <class C>
StepLayout<C> operator+(StepLayout<C> layout, const typename Exactly<Step<C>>::type& step) {
    layout.push_back(step);
    return layout;
}
template <class C>
StepLayout<C> join(StepLayout<C> layout, const typename Exactly<StepLayout<C>>::type& more) {
    layout.insert(layout.end(), more.begin(), more.end());
    return layout;
}

// ---------------------------------------------------------------- XML

enum ParamKind { asNatural, asBool };

template <class C>
struct Param {
    const char* name;
    Member<C> member;
    ParamKind kind = asNatural;
};

// Whether reading a record resets the object first.
enum class ReadReset { None, Full, BaseOnly };

template <class C>
struct Description {
    const char* className;
    std::vector<TableField<C>> fields;
    uint16_t firstVersion;
    std::vector<StepLayout<C>> versions;  // firstVersion, firstVersion + 1, ... newest
    ReadReset readReset = ReadReset::None;
    std::vector<Param<C>> params = {};  // empty: the class writes no asset of its own
    const char* layout = "";

    uint16_t newestVersion() const { return static_cast<uint16_t>(firstVersion + versions.size() - 1); }
    const StepLayout<C>& newest() const { return versions.back(); }
};

// ---------------------------------------------------------------- engine

namespace fields {

// A copy of the referenced object for a deep copy; `dup` asks materials for
// a duplicate (unique name) rather than a copy.
inline TextureRef copyOf(const TextureRef& t, bool) { return t ? t->clone() : t; }
inline BrdfRef copyOf(const BrdfRef& b, bool) { return b ? b->clone() : b; }
inline MaterialRef copyOf(const MaterialRef& m, bool dup) { return !m ? m : dup ? m->duplicate() : m->copy(); }

template <class T>
bool sameObject(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b) {
    return a ? b && a->isEqual(b) : !b;
}

template <class T>
struct IsList : std::false_type {};
template <class T>
struct IsList<std::vector<T>> : std::true_type {};

template <class C>
void reset(C& obj, const std::vector<TableField<C>>& table) {
    for (const TableField<C>& f : table)
        std::visit(
            [&](auto m) {
                using T = std::decay_t<decltype(obj.*m)>;
                if constexpr (std::is_same_v<T, TextureRef>)
                    obj.*m = std::holds_alternative<FresnelDefault>(f.initial) ? makeFresnelTexture() : nullptr;
                else if constexpr (std::is_same_v<T, Color> || std::is_same_v<T, float> ||
                                   std::is_same_v<T, int32_t> || std::is_same_v<T, bool>)
                    obj.*m = std::get<T>(f.initial);
                else
                    obj.*m = T{};
            },
            f.member);
}

template <class C>
bool equal(const C& a, const C& b, const std::vector<TableField<C>>& table) {
    for (const TableField<C>& f : table) {
        if (!f.compared) continue;
        const bool same = std::visit(
            [&](auto m) {
                const auto& x = a.*m;
                const auto& y = b.*m;
                using T = std::decay_t<decltype(x)>;
                if constexpr (IsList<T>::value) {
                    if (x.size() != y.size()) return false;
                    for (size_t i = 0; i < x.size(); ++i) {
                        if constexpr (std::is_same_v<T, std::vector<std::string>>) {
                            if (x[i] != y[i]) return false;
                        } else if (!sameObject(x[i], y[i])) {
                            return false;
                        }
                    }
                    return true;
                } else if constexpr (std::is_same_v<T, TextureRef> || std::is_same_v<T, MaterialRef> ||
                                     std::is_same_v<T, BrdfRef>) {
                    return sameObject(x, y);
                } else {
                    return x == y;
                }
            },
            f.member);
        if (!same) return false;
    }
    return true;
}

// Replaces every owned object of a fresh copy by its own copy.
template <class C>
void deepCopy(C& obj, const std::vector<TableField<C>>& table, bool duplicate) {
    for (const TableField<C>& f : table) {
        if (f.shared) continue;
        std::visit(
            [&](auto m) {
                auto& x = obj.*m;
                using T = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<T, TextureRef> || std::is_same_v<T, MaterialRef> ||
                              std::is_same_v<T, BrdfRef>) {
                    x = copyOf(x, duplicate);
                } else if constexpr (std::is_same_v<T, std::vector<MaterialRef>> ||
                                     std::is_same_v<T, std::vector<BrdfRef>>) {
                    for (auto& element : x) element = copyOf(element, duplicate);
                }
            },
            f.member);
    }
}

// Mandatory children that are missing make a record unwritable; it is
// checked before anything is written.
template <class C>
bool mandatoryChildrenSet(const C& obj, const StepLayout<C>& layout) {
    for (const Step<C>& s : layout) {
        if (s.kind != StepKind::Always) continue;
        const bool set = std::visit(
            [&](auto m) {
                using T = std::decay_t<decltype(obj.*m)>;
                if constexpr (std::is_same_v<T, MaterialRef> || std::is_same_v<T, BrdfRef>)
                    return obj.*m != nullptr;
                else
                    return true;
            },
            s.member);
        if (!set) return false;
    }
    return true;
}

template <class T>
bool writeValue(QuickArchive& ar, T& v, bool mandatory) {
    if constexpr (std::is_same_v<T, Color>) {
        ar.writeColor(v);
    } else if constexpr (std::is_same_v<T, float>) {
        ar.writeFloat(v);
    } else if constexpr (std::is_same_v<T, int32_t>) {
        ar.writeInt32(v);
    } else if constexpr (std::is_same_v<T, bool>) {
        ar.writeBool(v);
    } else if constexpr (std::is_same_v<T, std::string>) {
        ar.writeWString(v);
    } else if constexpr (std::is_same_v<T, MaterialIdData>) {
        return v.serialize(ar);
    } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
        ar.writeUInt32(static_cast<uint32_t>(v.size()));
        for (const std::string& s : v) ar.writeWString(s);
    } else if constexpr (IsList<T>::value) {  // nested objects, no presence byte
        ar.writeUInt32(static_cast<uint32_t>(v.size()));
        for (auto& child : v)
            if (!writeChild(ar, child)) return false;
    } else {
        return mandatory ? writeChild(ar, v) : writeOptionalChild(ar, v);
    }
    return true;
}

template <class T>
bool readValue(RecordScope& rec, T& v, bool mandatory) {
    QuickArchive& ar = rec.archive();
    if constexpr (std::is_same_v<T, Color>) {
        ar.readColor(v);
    } else if constexpr (std::is_same_v<T, float>) {
        ar.readFloat(v);
    } else if constexpr (std::is_same_v<T, int32_t>) {
        ar.readInt32(v);
    } else if constexpr (std::is_same_v<T, bool>) {
        ar.readBool(v);
    } else if constexpr (std::is_same_v<T, std::string>) {
        ar.readWString(v);
    } else if constexpr (std::is_same_v<T, MaterialIdData>) {
        return v.deserialize(ar);
    } else if constexpr (IsList<T>::value) {
        uint32_t count = 0;
        ar.readUInt32(count);
        rec.note("count", std::to_string(count));
        v.clear();
        for (uint32_t i = 0; i < count && !ar.exhausted(); ++i) {
            typename T::value_type element{};
            if constexpr (std::is_same_v<T, std::vector<std::string>>) {
                ar.readWString(element);
            } else if (!readChild(rec, element)) {
                return false;
            }
            v.push_back(std::move(element));
        }
    } else {
        return mandatory ? readChild(rec, v) : readOptionalChild(rec, v);
    }
    return true;
}

// Writes the record fields of one layout. The base record's result does not
// stop the fields after it.
template <class C>
bool write(C& obj, QuickArchive& ar, const StepLayout<C>& layout) {
    for (const Step<C>& s : layout) {
        if (s.kind == StepKind::Base) {
            if (!obj.writeBaseRecord(ar)) return false;
            continue;
        }
        const bool ok = std::visit([&](auto m) { return writeValue(ar, obj.*m, s.kind == StepKind::Always); },
                                   s.member);
        if (!ok) return false;
    }
    return true;
}

template <class C>
const char* subAssetOf(const std::vector<TableField<C>>& table, const Member<C>& member, const char* fallback) {
    for (const TableField<C>& f : table)
        if (f.member == member && f.subAsset) return f.subAsset;
    return fallback;
}

template <class C>
bool readStep(C& obj, RecordScope& rec, const Step<C>& s, TextureRef C::*& fresnelTarget) {
    QuickArchive& ar = rec.archive();
    switch (s.kind) {
        case StepKind::SkipFloat: {
            float dropped = 0;
            ar.readFloat(dropped);
            return true;
        }
        case StepKind::UniqueName:
        case StepKind::KeptName:
            if constexpr (std::is_base_of_v<BaseMaterial, C>) obj.readInlineName(rec, s.kind == StepKind::UniqueName);
            return true;
        case StepKind::FileName: {
            std::string path;
            ar.readWString(path);
            if (!path.empty()) rec.note(subAssetOf(C::description().fields, s.member, "file"), path);
            obj.*std::get<TextureRef C::*>(s.member) = makeBitmapTexture(path);
            return true;
        }
        case StepKind::FresnelSwitch: {
            int32_t fresnel = 0;
            ar.readInt32(fresnel);
            if (fresnel != 0) fresnelTarget = std::get<TextureRef C::*>(s.member);
            return true;
        }
        case StepKind::Cleared:
            obj.*std::get<TextureRef C::*>(s.member) = nullptr;
            break;
        default: break;
    }
    return std::visit([&](auto m) { return readValue(rec, obj.*m, s.kind == StepKind::Always); }, s.member);
}

// Reads the record fields of one layout. A nested failure stops the read;
// the base record's result is the result, with the fields after it still read.
template <class C>
bool read(C& obj, RecordScope& rec, const StepLayout<C>& layout) {
    bool baseOk = true;
    TextureRef C::*fresnelTarget = nullptr;
    for (const Step<C>& s : layout) {
        if (s.kind == StepKind::Base) {
            const uint64_t at = rec.archive().readPos();
            baseOk = obj.readBaseRecord(rec.archive());
            if (!baseOk) rec.failAt(at, "base record failed");
        } else if (!readStep(obj, rec, s, fresnelTarget)) {
            return false;
        }
    }
    if (fresnelTarget) obj.*fresnelTarget = makeFresnelTexture();
    return baseOk;
}

// Sub-objects write their assets before the owner's, in field order:
// sub-materials and BRDFs under the owner's URL, textures under the owner's
// URL and their sub-asset name.
template <class C>
void writeChildAssets(C& obj, AssetXmlWriter& w, const std::string& url, const std::vector<TableField<C>>& table) {
    for (const TableField<C>& f : table)
        std::visit(
            [&](auto m) {
                auto& x = obj.*m;
                using T = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<T, TextureRef>) {
                    if (x) x->writeXML(w, url + "/" + f.subAsset);
                } else if constexpr (std::is_same_v<T, MaterialRef> || std::is_same_v<T, BrdfRef>) {
                    if (x) x->writeXML(w, url);
                } else if constexpr (std::is_same_v<T, std::vector<BrdfRef>>) {
                    for (auto& brdf : x) brdf->writeXML(w, url);
                }
            },
            f.member);
}

template <class C>
void writeParam(C& obj, AssetXmlWriter& w, const std::string& url, const Param<C>& p,
                const std::vector<TableField<C>>& table) {
    std::visit(
        [&](auto m) {
            auto& x = obj.*m;
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, Color>) {
                w.writeColorParam(p.name, x);
            } else if constexpr (std::is_same_v<T, float>) {
                w.writeFloatParam(p.name, x);
            } else if constexpr (std::is_same_v<T, int32_t>) {
                if (p.kind == asBool)
                    w.writeBoolParam(p.name, x != 0);
                else
                    w.writeIntParam(p.name, x);
            } else if constexpr (std::is_same_v<T, bool>) {
                w.writeBoolParam(p.name, x);
            } else if constexpr (std::is_same_v<T, TextureRef>) {
                w.writePluginParam(p.name, x.get(), url + "/" + subAssetOf(table, p.member, p.name));
            } else if constexpr (std::is_same_v<T, MaterialRef>) {
                w.writePluginParam(p.name, x.get(), url);
            } else if constexpr (std::is_same_v<T, std::vector<BrdfRef>>) {
                w.beginListParam(p.name, "plugin");
                for (auto& brdf : x) w.writeListEntry(url + "/" + brdf->name);
                w.endListParam();
            } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
                w.beginListParam(p.name, "");
                for (auto& text : x) w.writeListEntry(text);
                w.endListParam();
            }
        },
        p.member);
}

// The class's own asset after its sub-assets; `url` is the object's own URL.
template <class C>
void writeAsset(C& obj, AssetXmlWriter& w, const std::string& url, const Description<C>& d) {
    writeChildAssets(obj, w, url, d.fields);
    w.beginAsset(url, obj.category(), d.layout);
    w.beginPlugin(obj.pluginType(), obj.category());
    w.beginParameters();
    for (const Param<C>& p : d.params) writeParam(obj, w, url, p, d.fields);
    w.endParameters();
    w.endPlugin();
    w.endAsset();
}

}  // namespace fields

// Reads a record: version word, the reset the class asks for, the version
// check, then the layout of that version.
template <class C>
bool readDescribedRecord(C& obj, QuickArchive& ar, const Description<C>& d) {
    RecordScope rec(ar, d.className);
    const uint32_t word = rec.readVersionWord();
    if (d.readReset == ReadReset::Full) obj.reset();
    if (d.readReset == ReadReset::BaseOnly) obj.resetBase();
    if (!rec.accept(word, d.firstVersion, d.newestVersion())) return false;
    return fields::read(obj, rec, d.versions[recordVersion(word) - d.firstVersion]);
}

template <class C>
bool writeDescribedRecord(C& obj, QuickArchive& ar, const Description<C>& d) {
    if (!fields::mandatoryChildrenSet(obj, d.newest())) return false;
    ar.writeUInt32(versionWord(d.newestVersion()));
    return fields::write(obj, ar, d.newest());
}

}  // namespace KilnCore
