#include "lights/OmniLight.h"

namespace KilnCore {
namespace {

LightLayout<OmniLight> omniLayout() {
    using Fields = FieldList<OmniLight>;
    const PointLightSettingsFields<OmniLight> f;
    const Fields v1 = {f.color,         f.shadowBias,     f.decay,     f.intensity, f.lightFactor,
                       f.photonSubdivs, f.causticSubdivs, f.lightMode, f.enabled};
    const Fields v3 = {f.color,         f.shadowColor,    f.cutoffThreshold, f.shadowBias, f.decay,
                       f.intensity,     f.lightFactor,    f.units,           f.photonSubdivs,
                       f.causticSubdivs, f.lightMode,     f.enabled,         f.shadows,    f.shadowSubdivs,
                       f.shadowRadius,  f.transform};
    return {{"OmniLight", 1,
             {v1, v1 + Fields{f.shadows, f.shadowSubdivs, f.shadowRadius, f.transform}, v3,
              v3 + Fields{f.affectDiffuse, f.affectSpecular}}},
            {f.color, f.shadowColor, f.cutoffThreshold, f.shadowBias, f.decay, f.intensity, f.shadowRadius, f.units,
             f.photonSubdivs, f.causticSubdivs, f.shadowSubdivs, f.enabled, f.shadows, f.affectDiffuse,
             f.affectSpecular, f.transform}};
}

}  // namespace

const LightLayout<OmniLight>& OmniLight::layout() {
    static const LightLayout<OmniLight> layout = omniLayout();
    return layout;
}

}  // namespace KilnCore
