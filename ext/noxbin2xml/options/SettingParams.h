// Settings parameters described as data: a parameter's XML name, its value
// kind, the field it is written from, and its label. Helpers build each
// description from a pointer to the field, so the owner of the field names
// the source of the value:
//   KilnParams     the renderer parameter block
//   KilnFrameData  the frame data
//   AllOptions     the options container itself
//   PhysicalCamera the physical camera
// Values that are computed rather than read from one field are written by
// a custom writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "animated/AnimatedValues.h"
#include "options/KilnParams.h"
#include "options/TessarFrameData.h"
#include "serial/Types.h"

class AssetXmlWriter;

namespace KilnCore {

class AllOptions;
class PhysicalCamera;

// The objects a parameter can take its value from, and the URL of the
// asset being written (the base of texture references).
struct SettingSources {
    const KilnUtils::KilnParams* block = nullptr;
    const KilnUtils::KilnFrameData* frame = nullptr;
    const AllOptions* container = nullptr;
    const PhysicalCamera* camera = nullptr;
    std::string_view url;
};

struct SettingParam;
using CustomParamWriter = void (*)(AssetXmlWriter&, const SettingParam&, const SettingSources&);

enum class ParamKind { Integer, Bool, Float, Color, Transform, File, Custom };

struct SettingParam {
    using Field = std::variant<std::monostate,  //
                               int32_t KilnUtils::KilnParams::*, float KilnUtils::KilnParams::*,
                               int32_t KilnUtils::KilnFrameData::*, float KilnUtils::KilnFrameData::*,
                               double KilnUtils::KilnFrameData::*, Color KilnUtils::KilnFrameData::*,
                               TransformD KilnUtils::KilnFrameData::*,  //
                               int32_t AllOptions::*, float AllOptions::*, Color AllOptions::*,
                               std::string AllOptions::*,  //
                               int32_t PhysicalCamera::*, float PhysicalCamera::*, Color PhysicalCamera::*,
                               AnimatedReal PhysicalCamera::*>;

    std::string_view name;
    ParamKind kind;
    Field field;
    std::string_view label;  // empty: the name is the label
    CustomParamWriter custom = nullptr;
    int index = 0;  // which slot a custom writer reads
};

template <class Owner>
SettingParam integer(std::string_view name, int32_t Owner::*field) {
    return {name, ParamKind::Integer, field, {}};
}
// An int32 written as true when non-zero.
template <class Owner>
SettingParam boolean(std::string_view name, int32_t Owner::*field, std::string_view label = {}) {
    return {name, ParamKind::Bool, field, label};
}
// A float32, a float64 (written as float32) or an animated value at time 0.
template <class Owner, class T>
SettingParam real(std::string_view name, T Owner::*field) {
    static_assert(std::is_same_v<T, float> || std::is_same_v<T, double> || std::is_same_v<T, AnimatedReal>);
    return {name, ParamKind::Float, field, {}};
}
template <class Owner>
SettingParam color(std::string_view name, Color Owner::*field) {
    return {name, ParamKind::Color, field, {}};
}
template <class Owner>
SettingParam transform(std::string_view name, TransformD Owner::*field) {
    return {name, ParamKind::Transform, field, {}};
}
// A file name: a string parameter with the file browser handler.
template <class Owner>
SettingParam file(std::string_view name, std::string Owner::*field, std::string_view label = {}) {
    return {name, ParamKind::File, field, label};
}
inline SettingParam custom(std::string_view name, CustomParamWriter writer, int index = 0,
                           std::string_view label = {}) {
    return {name, ParamKind::Custom, std::monostate{}, label, writer, index};
}

// A run of parameters (a view of a static table).
struct SettingParamList {
    const SettingParam* first = nullptr;
    size_t count = 0;
    template <size_t N>
    SettingParamList(const SettingParam (&params)[N]) : first(params), count(N) {}
    const SettingParam* begin() const { return first; }
    const SettingParam* end() const { return first + count; }
};

void writeSettingParam(AssetXmlWriter& writer, const SettingParam& param, const SettingSources& sources);

// One settings asset at `url`: plugin `pluginName` of type "settings" with
// the parameters in order.
void writeSettingsAsset(AssetXmlWriter& writer, std::string_view url, std::string_view pluginName,
                        SettingParamList params, SettingSources sources);

}  // namespace KilnCore
