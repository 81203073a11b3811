#include "lights/SphereLight.h"

namespace KilnCore {
namespace {

using Fields = FieldList<SphereLight>;

LIGHT_FIELD(SphereLight, transform);
LIGHT_FIELD(SphereLight, color);
LIGHT_FIELD(SphereLight, shadowColor);
LIGHT_FIELD(SphereLight, shadowBias);
LIGHT_FIELD(SphereLight, cutoffThreshold);
LIGHT_FIELD(SphereLight, intensity);
LIGHT_FIELD(SphereLight, lightFactor);
LIGHT_FIELD(SphereLight, photonSubdivs);
LIGHT_FIELD(SphereLight, causticSubdivs);
LIGHT_FIELD(SphereLight, count3);
LIGHT_FIELD(SphereLight, shadowSubdivs);
LIGHT_FIELD(SphereLight, enabled);
LIGHT_FIELD(SphereLight, shadows);
LIGHT_FIELD(SphereLight, flag3);
LIGHT_FIELD(SphereLight, flag4);
LIGHT_FIELD(SphereLight, flag5);
LIGHT_FIELD(SphereLight, affectDiffuse);
LIGHT_FIELD(SphereLight, affectSpecular);
LIGHT_FIELD(SphereLight, flag8);

LightLayout<SphereLight> sphereLayout() {
    const Fields v1 = {transform, color, shadowColor, shadowBias, cutoffThreshold, intensity, lightFactor,
                       photonSubdivs, causticSubdivs, count3, shadowSubdivs, enabled, shadows, flag3, flag4, flag5};
    const Fields v2 = extend(v1, {affectDiffuse, affectSpecular, flag8});
    return {{v1, v2}, {}};
}

}  // namespace

const LightLayout<SphereLight>& SphereLight::layout() {
    static const LightLayout<SphereLight> layout = sphereLayout();
    return layout;
}

}  // namespace KilnCore
