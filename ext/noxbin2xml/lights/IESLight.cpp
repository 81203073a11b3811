#include "lights/IESLight.h"

namespace KilnCore {
namespace {

using Fields = FieldList<IESLight>;

LIGHT_FIELD(IESLight, transform);
LIGHT_FIELD(IESLight, color);
LIGHT_FIELD(IESLight, shadowColor);
LIGHT_FIELD(IESLight, filter_color);
LIGHT_FIELD(IESLight, shadowBias);
LIGHT_FIELD(IESLight, cutoffThreshold);
LIGHT_FIELD(IESLight, intensity);
LIGHT_FIELD(IESLight, photonSubdivs);
LIGHT_FIELD(IESLight, causticSubdivs);
LIGHT_FIELD(IESLight, shadow_subdivs);
LIGHT_FIELD(IESLight, enabled);
LIGHT_FIELD(IESLight, shadows);
LIGHT_FIELD(IESLight, soft_shadows);
LIGHT_FIELD(IESLight, ies_file);
LIGHT_FIELD(IESLight, affectDiffuse);
LIGHT_FIELD(IESLight, affectSpecular);

LightLayout<IESLight> iesLayout() {
    const Fields v1 = {transform, color, shadowColor, filter_color, shadowBias, cutoffThreshold, photonSubdivs,
                       causticSubdivs, shadow_subdivs, enabled, shadows, soft_shadows, ies_file};
    const Fields v2 = extend(v1, {affectDiffuse, affectSpecular});
    const Fields v3 = extend(v2, {intensity});
    const Fields parameters = {transform, color, shadowColor, filter_color, shadowBias, cutoffThreshold,
                               intensity, photonSubdivs, causticSubdivs, shadow_subdivs, enabled, shadows,
                               soft_shadows, affectDiffuse, affectSpecular, ies_file};
    return {{v1, v2, v3}, parameters};
}

}  // namespace

const LightLayout<IESLight>& IESLight::layout() {
    static const LightLayout<IESLight> layout = iesLayout();
    return layout;
}

}  // namespace KilnCore
