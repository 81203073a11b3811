#include "lights/SunLight.h"

#include "serial/InUse.h"

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

}  // namespace

const LightLayout<SunLight>& SunLight::layout() {
    static const LightLayout<SunLight> layout = sunLayout();
    return layout;
}

SunLight::SunLight(std::string guid, std::string name) : sunGuid(std::move(guid)), sunName(std::move(name)) {}

void SunLight::writeXML(AssetXmlWriter& writer, const std::string&) {
    auto& suns = writer.assetsWrittenOnce();
    if (suns.count(sunGuid)) return;
    std::string url = "/" + std::string(kPluginType);
    if (!suns.empty()) url += std::to_string(suns.size());
    suns.emplace(sunGuid, url);
    writeAsset(writer, url);
}

const std::shared_ptr<SunLight>& defaultSun() { return InUse<DefaultSun>::get().sun; }

}  // namespace KilnCore
