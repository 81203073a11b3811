#include "lights/MayaDirectLight.h"

namespace KilnCore {
namespace {

using Fields = FieldList<MayaDirectLight>;

LIGHT_FIELD(MayaDirectLight, transform);
LIGHT_FIELD(MayaDirectLight, color);
LIGHT_FIELD(MayaDirectLight, shadowColor);
LIGHT_FIELD(MayaDirectLight, shadowBias);
LIGHT_FIELD(MayaDirectLight, shadowRadius);
LIGHT_FIELD(MayaDirectLight, intensity);
LIGHT_FIELD(MayaDirectLight, lightFactor);
LIGHT_FIELD(MayaDirectLight, photonSubdivs);
LIGHT_FIELD(MayaDirectLight, causticSubdivs);
LIGHT_FIELD(MayaDirectLight, shadowSubdivs);
LIGHT_FIELD(MayaDirectLight, lightMode);
LIGHT_FIELD(MayaDirectLight, enabled);
LIGHT_FIELD(MayaDirectLight, shadows);

LightLayout<MayaDirectLight> mayaDirectLayout() {
    const Fields v1 = {color, shadowBias, intensity, lightFactor, causticSubdivs, photonSubdivs,
                       asUInt32(lightMode), enabled};
    const Fields v2 = extend(v1, {shadows, shadowSubdivs, shadowRadius, asPlainTransform(transform)});
    const Fields v3 = {color, shadowBias, intensity, lightFactor, causticSubdivs, photonSubdivs, lightMode,
                       enabled, shadows, shadowSubdivs, shadowRadius, transform};
    const Fields v4 = {color, shadowColor, shadowBias, intensity, lightFactor, causticSubdivs, photonSubdivs,
                       lightMode, enabled, shadows, shadowSubdivs, shadowRadius, transform};
    const Fields parameters = {color, shadowColor, shadowBias, shadowRadius, intensity, causticSubdivs,
                               photonSubdivs, shadowSubdivs, enabled, shadows};
    return {{v1, v2, v3, v4}, parameters};
}

}  // namespace

const LightLayout<MayaDirectLight>& MayaDirectLight::layout() {
    static const LightLayout<MayaDirectLight> layout = mayaDirectLayout();
    return layout;
}

}  // namespace KilnCore
