#include "lights/SphereLight.h"

namespace KilnCore {
namespace {

using S = SphereLight;

LightLayout<S> sphereLayout() {
    KILN_FIELD(S, transform);
    KILN_FIELD(S, color);
    KILN_FIELD(S, shadowColor);
    KILN_FIELD(S, shadowBias);
    KILN_FIELD(S, cutoffThreshold);
    KILN_FIELD(S, intensity);
    KILN_FIELD(S, lightFactor);
    KILN_FIELD(S, photonSubdivs);
    KILN_FIELD(S, causticSubdivs);
    KILN_FIELD(S, count3);
    KILN_FIELD(S, shadowSubdivs);
    KILN_FIELD(S, enabled);
    KILN_FIELD(S, shadows);
    KILN_FIELD(S, flag3);
    KILN_FIELD(S, flag4);
    KILN_FIELD(S, flag5);
    KILN_FIELD(S, affectDiffuse);
    KILN_FIELD(S, affectSpecular);
    KILN_FIELD(S, flag8);
    const FieldList<S> v1 = {transform,      color,  shadowColor, shadowBias, cutoffThreshold, intensity,
                             lightFactor,    photonSubdivs, causticSubdivs, count3, shadowSubdivs, enabled,
                             shadows,        flag3,  flag4,       flag5};
    return {{"SphereLight", 1, {v1, v1 + FieldList<S>{affectDiffuse, affectSpecular, flag8}}}, {}};
}

}  // namespace

const LightLayout<SphereLight>& SphereLight::layout() {
    static const LightLayout<SphereLight> layout = sphereLayout();
    return layout;
}

}  // namespace KilnCore
