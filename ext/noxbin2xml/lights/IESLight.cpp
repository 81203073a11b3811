#include "lights/IESLight.h"

namespace KilnCore {
namespace {

using I = IESLight;

LightLayout<I> iesLayout() {
    using Fields = FieldList<I>;
    KILN_FIELD(I, transform);
    KILN_FIELD(I, color);
    KILN_FIELD(I, shadowColor);
    KILN_FIELD(I, filter_color);
    KILN_FIELD(I, shadowBias);
    KILN_FIELD(I, cutoffThreshold);
    KILN_FIELD(I, intensity);
    KILN_FIELD(I, photonSubdivs);
    KILN_FIELD(I, causticSubdivs);
    KILN_FIELD(I, shadow_subdivs);
    KILN_FIELD(I, enabled);
    KILN_FIELD(I, shadows);
    KILN_FIELD(I, soft_shadows);
    KILN_FIELD(I, affectDiffuse);
    KILN_FIELD(I, affectSpecular);
    const Field<I> ies_file{"ies_file", &I::ies_file, Form::File};
    const Fields v1 = {transform,     color,          shadowColor,    filter_color, shadowBias,   cutoffThreshold,
                       photonSubdivs, causticSubdivs, shadow_subdivs, enabled,      shadows,      soft_shadows,
                       ies_file};
    const Fields v2 = v1 + Fields{affectDiffuse, affectSpecular};
    return {{"IESLight", 1, {v1, v2, v2 + intensity}},
            {transform,      color,          shadowColor, filter_color,  shadowBias,    cutoffThreshold,
             intensity,      photonSubdivs,  causticSubdivs, shadow_subdivs, enabled,    shadows,
             soft_shadows,   affectDiffuse,  affectSpecular, ies_file}};
}

}  // namespace

const LightLayout<IESLight>& IESLight::layout() {
    static const LightLayout<IESLight> layout = iesLayout();
    return layout;
}

}  // namespace KilnCore
