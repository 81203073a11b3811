#include "lights/RectangleLight.h"

namespace KilnCore {
namespace {

using R = RectangleLight;

LightLayout<R> rectangleLayout() {
    using Fields = FieldList<R>;
    KILN_FIELD(R, transform);
    KILN_FIELD(R, color);
    KILN_FIELD(R, shadowColor);
    KILN_FIELD(R, cutoffThreshold);
    KILN_FIELD(R, shadowBias);
    KILN_FIELD(R, intensity);
    KILN_FIELD(R, lightFactor);
    KILN_FIELD(R, u_size);
    KILN_FIELD(R, v_size);
    KILN_FIELD(R, units);
    KILN_FIELD(R, photonSubdivs);
    KILN_FIELD(R, causticSubdivs);
    KILN_FIELD(R, subdivs);
    KILN_FIELD(R, lightMode);
    KILN_FIELD(R, enabled);
    KILN_FIELD(R, shadows);
    KILN_FIELD(R, affectDiffuse);
    KILN_FIELD(R, affectSpecular);
    KILN_FIELD(R, storeWithIrradianceMap);
    KILN_FIELD(R, doubleSided);
    KILN_FIELD(R, invisible);
    KILN_FIELD(R, lightPortal);
    KILN_FIELD(R, noDecay);
    KILN_FIELD(R, ignoreLightNormals);
    KILN_FIELD(R, affectReflections);
    const Fields v1 = {color,     shadowBias,  intensity, lightFactor, subdivs, causticSubdivs,
                       photonSubdivs, lightMode, doubleSided, invisible, lightPortal, noDecay,
                       enabled,   storeWithIrradianceMap, ignoreLightNormals};
    const Fields v3 = {color,         shadowColor, cutoffThreshold, shadowBias, intensity,   lightFactor,
                       units,         subdivs,     causticSubdivs,  photonSubdivs, lightMode, doubleSided,
                       invisible,     lightPortal, noDecay,         enabled,    storeWithIrradianceMap,
                       ignoreLightNormals, shadows, transform,      u_size,     v_size};
    return {{"RectangleLight", 1,
             {v1, v1 + Fields{shadows, transform, u_size, v_size}, v3,
              v3 + Fields{affectDiffuse, affectSpecular, affectReflections}}},
            {color,           shadowColor,  cutoffThreshold, shadowBias,     intensity,  u_size,
             v_size,          units,        photonSubdivs,   causticSubdivs, subdivs,    enabled,
             doubleSided,     invisible,    lightPortal,     noDecay,        storeWithIrradianceMap,
             ignoreLightNormals, shadows,   affectDiffuse,   affectSpecular, affectReflections, transform}};
}

}  // namespace

const LightLayout<RectangleLight>& RectangleLight::layout() {
    static const LightLayout<RectangleLight> layout = rectangleLayout();
    return layout;
}

}  // namespace KilnCore
