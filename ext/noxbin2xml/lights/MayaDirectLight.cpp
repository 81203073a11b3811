#include "lights/MayaDirectLight.h"

namespace KilnCore {
namespace {

using M = MayaDirectLight;

LightLayout<M> mayaDirectLayout() {
    using Fields = FieldList<M>;
    const LightSettingsFields<M> f;
    KILN_FIELD(M, transform);
    const Fields v1 = {f.color,          f.shadowBias,    f.intensity, f.lightFactor,
                       f.causticSubdivs, f.photonSubdivs, f.lightMode, f.enabled};
    const Fields v4Head = {f.color,       f.shadowColor,    f.shadowBias,    f.intensity, f.lightFactor,
                           f.causticSubdivs, f.photonSubdivs, f.lightMode, f.enabled};
    const Fields tail = {f.shadows, f.shadowSubdivs, f.shadowRadius};
    return {{"MayaDirectLight", 1,
             {v1, v1 + tail + Field<M>("transform", &M::transform, Form::AtTimeZero), v1 + tail + transform,
              v4Head + tail + transform}},
            {f.color, f.shadowColor, f.shadowBias, f.shadowRadius, f.intensity, f.causticSubdivs, f.photonSubdivs,
             f.shadowSubdivs, f.enabled, f.shadows}};
}

}  // namespace

const LightLayout<MayaDirectLight>& MayaDirectLight::layout() {
    static const LightLayout<MayaDirectLight> layout = mayaDirectLayout();
    return layout;
}

}  // namespace KilnCore
