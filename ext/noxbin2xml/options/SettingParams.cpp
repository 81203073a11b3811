#include "options/SettingParams.h"

#include <type_traits>

#include "options/AllOptions.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {
namespace {

template <class Member>
struct MemberOwner;
template <class T, class Owner>
struct MemberOwner<T Owner::*> {
    using type = Owner;
};

template <class Owner>
const Owner& ownerOf(const SettingSources& s) {
    if constexpr (std::is_same_v<Owner, KilnUtils::KilnParams>) return *s.block;
    else if constexpr (std::is_same_v<Owner, KilnUtils::KilnFrameData>) return *s.frame;
    else if constexpr (std::is_same_v<Owner, AllOptions>) return *s.container;
    else return *s.camera;
}

Transform narrowed(const TransformD& t) {
    Transform out;
    out.matrix = t.matrix;
    out.offset = {static_cast<float>(t.offset[0]), static_cast<float>(t.offset[1]), static_cast<float>(t.offset[2])};
    return out;
}

void emit(AssetXmlWriter& w, const SettingParam& p, int32_t value) {
    if (p.kind == ParamKind::Bool)
        w.writeBoolParam(p.name, value != 0, p.label);
    else
        w.writeIntParam(p.name, value, p.label);
}
void emit(AssetXmlWriter& w, const SettingParam& p, float value) { w.writeFloatParam(p.name, value, p.label); }
void emit(AssetXmlWriter& w, const SettingParam& p, double value) {
    w.writeFloatParam(p.name, static_cast<float>(value), p.label);
}
void emit(AssetXmlWriter& w, const SettingParam& p, const AnimatedReal& value) {
    w.writeFloatParam(p.name, value.valueAt(0.0), p.label);
}
void emit(AssetXmlWriter& w, const SettingParam& p, const Color& value) { w.writeColorParam(p.name, value, p.label); }
void emit(AssetXmlWriter& w, const SettingParam& p, const TransformD& value) {
    w.writeTransformParam(p.name, narrowed(value), p.label);
}
void emit(AssetXmlWriter& w, const SettingParam& p, const std::string& value) {
    w.writeFileParam(p.name, value, p.label);
}

}  // namespace

void writeSettingParam(AssetXmlWriter& writer, const SettingParam& param, const SettingSources& sources) {
    if (param.kind == ParamKind::Custom) return param.custom(writer, param, sources);
    std::visit(
        [&](auto field) {
            using Field = decltype(field);
            if constexpr (!std::is_same_v<Field, std::monostate>)
                emit(writer, param, ownerOf<typename MemberOwner<Field>::type>(sources).*field);
        },
        param.field);
}

void writeSettingsAsset(AssetXmlWriter& writer, std::string_view url, std::string_view pluginName,
                        SettingParamList params, SettingSources sources) {
    sources.url = url;
    writer.beginAsset(url, "settings", "");
    writer.beginPlugin(pluginName, "settings");
    writer.beginParameters();
    for (const SettingParam& param : params) writeSettingParam(writer, param, sources);
    writer.endParameters();
    writer.endPlugin();
    writer.endAsset();
}

}  // namespace KilnCore
