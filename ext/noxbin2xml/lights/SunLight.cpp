#include "lights/SunLight.h"

namespace KilnCore {
namespace {

using Fields = FieldList<SunLight>;

LIGHT_FIELD(SunLight, transform);
LIGHT_FIELD(SunLight, up_vector);
LIGHT_FIELD(SunLight, shadowBias);
LIGHT_FIELD(SunLight, turbidity);
LIGHT_FIELD(SunLight, water_vapour);
LIGHT_FIELD(SunLight, intensity_multiplier);
LIGHT_FIELD(SunLight, size_multiplier);
LIGHT_FIELD(SunLight, photon_radius);
LIGHT_FIELD(SunLight, photon_emit_distance);
LIGHT_FIELD(SunLight, ozone);
LIGHT_FIELD(SunLight, photonSubdivs);
LIGHT_FIELD(SunLight, causticSubdivs);
LIGHT_FIELD(SunLight, shadow_subdivs);
LIGHT_FIELD(SunLight, shadows);
LIGHT_FIELD(SunLight, enabled);
LIGHT_FIELD(SunLight, invisible);
LIGHT_FIELD(SunLight, sunGuid);
LIGHT_FIELD(SunLight, sunName);

LightLayout<SunLight> sunLayout() {
    const Fields v1 = {asPlainTransform(transform), up_vector, shadowBias, turbidity, water_vapour,
                       intensity_multiplier, size_multiplier, photon_radius, photon_emit_distance, ozone,
                       photonSubdivs, causticSubdivs, shadow_subdivs, shadows};
    const Fields v2 = extend(v1, {sunGuid, sunName});
    const Fields v3 = extend(v2, {enabled, invisible});
    const Fields v4 = {up_vector, shadowBias, turbidity, water_vapour, intensity_multiplier, size_multiplier,
                       photon_radius, photon_emit_distance, ozone, photonSubdivs, causticSubdivs, shadow_subdivs,
                       shadows, sunGuid, sunName, enabled, invisible, transform};
    const Fields parameters = {up_vector, shadowBias, turbidity, water_vapour, intensity_multiplier,
                               size_multiplier, photon_radius, photon_emit_distance, ozone, photonSubdivs,
                               causticSubdivs, shadow_subdivs, enabled, shadows, invisible, transform};
    return {{v1, v2, v3, v4}, parameters};
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
