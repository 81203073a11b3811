// A directional light from infinitely far away. Its placement is animated
// and kept in the record, but the asset has no transform parameter.
#pragma once

#include "lights/TableDrivenLight.h"

namespace KilnCore {

class MayaDirectLight : public TableDrivenLight<MayaDirectLight> {
public:
    static constexpr int32_t kTypeId = 0;
    static constexpr std::string_view kPluginType = "MayaLightDirect";
    static constexpr std::string_view kClassName = "MayaDirectLight";
    static const LightLayout<MayaDirectLight>& layout();

    AnimatedTransform transform;
    Color color{1, 1, 1};
    Color shadowColor{0, 0, 0};
    float shadowBias = 0.0f;
    float shadowRadius = 0.0f;
    float intensity = 1.0f;
    float lightFactor = 1.0f;  // stored only, no parameter
    uint32_t photonSubdivs = 500;
    uint32_t causticSubdivs = 1000;
    uint32_t shadowSubdivs = 8;
    int32_t lightMode = 3;  // stored only, no parameter
    bool enabled = true;
    bool shadows = true;
};

}  // namespace KilnCore
