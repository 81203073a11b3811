#include "lights/SunLight.h"

namespace KilnCore {
namespace {

using S = SunLight;

LightLayout<S> sunLayout() {
    using Fields = FieldList<S>;
    KILN_FIELD(S, transform);
    KILN_FIELD(S, shadows);
    KILN_FIELD(S, enabled);
    KILN_FIELD(S, invisible);
    KILN_FIELD(S, sunGuid);
    KILN_FIELD(S, sunName);
    const Fields settings = sunSettingsFields<S>();
    const Fields v1 = Fields{Field<S>("transform", &S::transform, Form::AtTimeZero)} + settings + shadows;
    const Fields v2 = v1 + Fields{sunGuid, sunName};
    return {{"SunLight", 1,
             {v1, v2, v2 + Fields{enabled, invisible},
              settings + Fields{shadows, sunGuid, sunName, enabled, invisible, transform}}},
            settings + Fields{enabled, shadows, invisible, transform}};
}

// Created during static initialisation, so the default sun exists as soon as
// the module is loaded.
const bool kDefaultSunCreatedAtLoad = static_cast<bool>(defaultSun());

}  // namespace

const LightLayout<SunLight>& SunLight::layout() {
    static const LightLayout<SunLight> layout = sunLayout();
    return layout;
}

SunLight::SunLight(std::string guid, std::string name) : sunGuid(std::move(guid)), sunName(std::move(name)) {}

void SunLight::writeXML(AssetXmlWriter& writer, const std::string&) {
    auto& suns = writer.sunTable();
    if (suns.count(sunGuid)) return;
    std::string url = "/" + std::string(kPluginType);
    if (!suns.empty()) url += std::to_string(suns.size());
    suns.emplace(sunGuid, url);
    writeAsset(writer, url);
}

const std::shared_ptr<SunLight>& defaultSun() {
    // Never destroyed: other process-wide objects may still use it at exit.
    static const auto* sun = new std::shared_ptr<SunLight>(
        std::make_shared<SunLight>(std::string(kDefaultSunGuid), std::string(kDefaultSunName)));
    return *sun;
}

}  // namespace KilnCore
