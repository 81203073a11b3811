#include "lights/SpotLight.h"

namespace KilnCore {
namespace {

using S = SpotLight;

// Every spot light is written in legacy mode.
struct LegacyMode : Codec<bool> {
    static void param(AssetXmlWriter& w, bool, const FieldSpec& f, std::string_view url) {
        Codec<bool>::param(w, true, f, url);
    }
};

LightLayout<S> spotLayout() {
    using Fields = FieldList<S>;
    const PointLightSettingsFields<S> f;
    KILN_FIELD(S, barnDoorLeft);
    KILN_FIELD(S, barnDoorRight);
    KILN_FIELD(S, barnDoorTop);
    KILN_FIELD(S, barnDoorBottom);
    KILN_FIELD(S, coneAngle);
    KILN_FIELD(S, penumbraAngle);
    KILN_FIELD(S, barnDoor);
    const Fields v1 = {f.color,         f.shadowBias,     f.decay,     f.intensity, f.lightFactor,
                       f.photonSubdivs, f.causticSubdivs, f.lightMode, f.enabled};
    const Fields v2 = v1 + Fields{f.shadows, f.shadowSubdivs, f.shadowRadius, f.transform, coneAngle, penumbraAngle};
    const Fields v3 = {f.color,        f.shadowColor,    f.cutoffThreshold, barnDoorLeft,  barnDoorRight,
                       barnDoorTop,    barnDoorBottom,   f.shadowBias,      f.decay,       f.intensity,
                       f.lightFactor,  f.units,          f.photonSubdivs,   f.causticSubdivs, f.lightMode,
                       f.enabled,      barnDoor,         f.shadows,         f.shadowSubdivs, f.shadowRadius,
                       f.transform,    coneAngle,        penumbraAngle};
    return {{"SpotLight", 1, {v1, v2, v3, v3 + Fields{f.affectDiffuse, f.affectSpecular}}},
            {f.color,           f.shadowColor,   f.cutoffThreshold, barnDoorLeft,    barnDoorRight, barnDoorTop,
             barnDoorBottom,    f.shadowBias,    f.decay,           f.intensity,     f.shadowRadius, coneAngle,
             penumbraAngle,     f.units,         f.photonSubdivs,   f.causticSubdivs, f.shadowSubdivs, f.enabled,
             barnDoor,          f.shadows,       f.affectDiffuse,   f.affectSpecular, f.transform,
             Field<S>::gap<bool, LegacyMode>("legacyMode", Form::UserData).labelled("Legacy Mode")}};
}

}  // namespace

const LightLayout<SpotLight>& SpotLight::layout() {
    static const LightLayout<SpotLight> layout = spotLayout();
    return layout;
}

}  // namespace KilnCore
