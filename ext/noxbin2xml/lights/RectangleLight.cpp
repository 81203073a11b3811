#include "lights/RectangleLight.h"

namespace KilnCore {
namespace {

using Fields = FieldList<RectangleLight>;

LIGHT_FIELD(RectangleLight, transform);
LIGHT_FIELD(RectangleLight, color);
LIGHT_FIELD(RectangleLight, shadowColor);
LIGHT_FIELD(RectangleLight, cutoffThreshold);
LIGHT_FIELD(RectangleLight, shadowBias);
LIGHT_FIELD(RectangleLight, intensity);
LIGHT_FIELD(RectangleLight, lightFactor);
LIGHT_FIELD(RectangleLight, u_size);
LIGHT_FIELD(RectangleLight, v_size);
LIGHT_FIELD(RectangleLight, units);
LIGHT_FIELD(RectangleLight, photonSubdivs);
LIGHT_FIELD(RectangleLight, causticSubdivs);
LIGHT_FIELD(RectangleLight, subdivs);
LIGHT_FIELD(RectangleLight, lightMode);
LIGHT_FIELD(RectangleLight, enabled);
LIGHT_FIELD(RectangleLight, shadows);
LIGHT_FIELD(RectangleLight, affectDiffuse);
LIGHT_FIELD(RectangleLight, affectSpecular);
LIGHT_FIELD(RectangleLight, storeWithIrradianceMap);
LIGHT_FIELD(RectangleLight, doubleSided);
LIGHT_FIELD(RectangleLight, invisible);
LIGHT_FIELD(RectangleLight, lightPortal);
LIGHT_FIELD(RectangleLight, noDecay);
LIGHT_FIELD(RectangleLight, ignoreLightNormals);
LIGHT_FIELD(RectangleLight, affectReflections);

LightLayout<RectangleLight> rectangleLayout() {
    const Fields v1 = {color, shadowBias, intensity, lightFactor, subdivs, causticSubdivs, photonSubdivs,
                       asUInt32(lightMode), doubleSided, invisible, lightPortal, noDecay, enabled,
                       storeWithIrradianceMap, ignoreLightNormals};
    const Fields v2 = extend(v1, {shadows, transform, u_size, v_size});
    const Fields v3 = {color, shadowColor, cutoffThreshold, shadowBias, intensity, lightFactor, units, subdivs,
                       causticSubdivs, photonSubdivs, lightMode, doubleSided, invisible, lightPortal, noDecay,
                       enabled, storeWithIrradianceMap, ignoreLightNormals, shadows, transform, u_size, v_size};
    const Fields v4 = extend(v3, {affectDiffuse, affectSpecular, affectReflections});
    const Fields parameters = {color, shadowColor, cutoffThreshold, shadowBias, intensity, u_size, v_size, units,
                               photonSubdivs, causticSubdivs, subdivs, enabled, doubleSided, invisible,
                               lightPortal, noDecay, storeWithIrradianceMap, ignoreLightNormals, shadows,
                               affectDiffuse, affectSpecular, affectReflections, transform};
    return {{v1, v2, v3, v4}, parameters};
}

}  // namespace

const LightLayout<RectangleLight>& RectangleLight::layout() {
    static const LightLayout<RectangleLight> layout = rectangleLayout();
    return layout;
}

}  // namespace KilnCore
