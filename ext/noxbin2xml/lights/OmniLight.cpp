#include "lights/OmniLight.h"

namespace KilnCore {
namespace {

using Fields = FieldList<OmniLight>;

LIGHT_FIELD(OmniLight, transform);
LIGHT_FIELD(OmniLight, color);
LIGHT_FIELD(OmniLight, shadowColor);
LIGHT_FIELD(OmniLight, cutoffThreshold);
LIGHT_FIELD(OmniLight, shadowBias);
LIGHT_FIELD(OmniLight, shadowRadius);
LIGHT_FIELD(OmniLight, decay);
LIGHT_FIELD(OmniLight, intensity);
LIGHT_FIELD(OmniLight, lightFactor);
LIGHT_FIELD(OmniLight, units);
LIGHT_FIELD(OmniLight, photonSubdivs);
LIGHT_FIELD(OmniLight, causticSubdivs);
LIGHT_FIELD(OmniLight, shadowSubdivs);
LIGHT_FIELD(OmniLight, lightMode);
LIGHT_FIELD(OmniLight, enabled);
LIGHT_FIELD(OmniLight, shadows);
LIGHT_FIELD(OmniLight, affectDiffuse);
LIGHT_FIELD(OmniLight, affectSpecular);

LightLayout<OmniLight> omniLayout() {
    const Fields v1 = {color, shadowBias, decay, intensity, lightFactor, photonSubdivs, causticSubdivs,
                       asUInt32(lightMode), enabled};
    const Fields v2 = extend(v1, {shadows, shadowSubdivs, shadowRadius, transform});
    const Fields v3 = {color, shadowColor, cutoffThreshold, shadowBias, decay, intensity, lightFactor, units,
                       photonSubdivs, causticSubdivs, lightMode, enabled, shadows, shadowSubdivs, shadowRadius,
                       transform};
    const Fields v4 = extend(v3, {affectDiffuse, affectSpecular});
    const Fields parameters = {color, shadowColor, cutoffThreshold, shadowBias, decay, intensity, shadowRadius,
                               units, photonSubdivs, causticSubdivs, shadowSubdivs, enabled, shadows,
                               affectDiffuse, affectSpecular, transform};
    return {{v1, v2, v3, v4}, parameters};
}

}  // namespace

const LightLayout<OmniLight>& OmniLight::layout() {
    static const LightLayout<OmniLight> layout = omniLayout();
    return layout;
}

}  // namespace KilnCore
