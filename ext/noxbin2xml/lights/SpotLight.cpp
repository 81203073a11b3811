#include "lights/SpotLight.h"

namespace KilnCore {
namespace {

using Fields = FieldList<SpotLight>;

LIGHT_FIELD(SpotLight, transform);
LIGHT_FIELD(SpotLight, color);
LIGHT_FIELD(SpotLight, shadowColor);
LIGHT_FIELD(SpotLight, cutoffThreshold);
LIGHT_FIELD(SpotLight, barnDoorLeft);
LIGHT_FIELD(SpotLight, barnDoorRight);
LIGHT_FIELD(SpotLight, barnDoorTop);
LIGHT_FIELD(SpotLight, barnDoorBottom);
LIGHT_FIELD(SpotLight, shadowBias);
LIGHT_FIELD(SpotLight, shadowRadius);
LIGHT_FIELD(SpotLight, decay);
LIGHT_FIELD(SpotLight, intensity);
LIGHT_FIELD(SpotLight, lightFactor);
LIGHT_FIELD(SpotLight, coneAngle);
LIGHT_FIELD(SpotLight, penumbraAngle);
LIGHT_FIELD(SpotLight, units);
LIGHT_FIELD(SpotLight, photonSubdivs);
LIGHT_FIELD(SpotLight, causticSubdivs);
LIGHT_FIELD(SpotLight, shadowSubdivs);
LIGHT_FIELD(SpotLight, lightMode);
LIGHT_FIELD(SpotLight, enabled);
LIGHT_FIELD(SpotLight, barnDoor);
LIGHT_FIELD(SpotLight, shadows);
LIGHT_FIELD(SpotLight, affectDiffuse);
LIGHT_FIELD(SpotLight, affectSpecular);

LightLayout<SpotLight> spotLayout() {
    const Fields v1 = {color, shadowBias, decay, intensity, lightFactor, photonSubdivs, causticSubdivs,
                       asUInt32(lightMode), enabled};
    const Fields v2 = {color, shadowBias, decay, intensity, lightFactor, photonSubdivs, causticSubdivs, lightMode,
                       enabled, shadows, shadowSubdivs, shadowRadius, transform, coneAngle, penumbraAngle};
    const Fields v3 = {color, shadowColor, cutoffThreshold, barnDoorLeft, barnDoorRight, barnDoorTop,
                       barnDoorBottom, shadowBias, decay, intensity, lightFactor, units, photonSubdivs,
                       causticSubdivs, lightMode, enabled, barnDoor, shadows, shadowSubdivs, shadowRadius,
                       transform, coneAngle, penumbraAngle};
    const Fields v4 = extend(v3, {affectDiffuse, affectSpecular});
    const Fields parameters = {color, shadowColor, cutoffThreshold, barnDoorLeft, barnDoorRight, barnDoorTop,
                               barnDoorBottom, shadowBias, decay, intensity, shadowRadius, coneAngle,
                               penumbraAngle, units, photonSubdivs, causticSubdivs, shadowSubdivs, enabled,
                               barnDoor, shadows, affectDiffuse, affectSpecular, transform};
    return {{v1, v2, v3, v4}, parameters};
}

}  // namespace

const LightLayout<SpotLight>& SpotLight::layout() {
    static const LightLayout<SpotLight> layout = spotLayout();
    return layout;
}

void SpotLight::writeExtraParameters(AssetXmlWriter& writer) {
    writer.writeBoolParam("legacyMode", true, "Legacy Mode", true);
}

}  // namespace KilnCore
