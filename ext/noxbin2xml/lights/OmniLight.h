// A point light shining in every direction.
#pragma once

#include "lights/TableDrivenLight.h"

namespace KilnCore {

class OmniLight : public TableDrivenLight<OmniLight> {
public:
    static constexpr int32_t kTypeId = 2;
    static constexpr std::string_view kPluginType = "LightOmni";
    static constexpr std::string_view kClassName = "OmniLight";
    static const LightLayout<OmniLight>& layout();

    Transform transform;
    Color color{1, 1, 1};
    Color shadowColor{0, 0, 0};
    float cutoffThreshold = 0.005f;
    float shadowBias = 0.0f;
    float shadowRadius = 0.0f;
    float decay = 0.0f;
    float intensity = 30.0f;
    float lightFactor = 1.0f;  // stored only, no parameter
    int32_t units = 0;
    uint32_t photonSubdivs = 500;
    uint32_t causticSubdivs = 1000;
    uint32_t shadowSubdivs = 8;
    int32_t lightMode = 3;  // stored only, no parameter
    bool enabled = true;
    bool shadows = true;
    bool affectDiffuse = true;
    bool affectSpecular = true;
};

}  // namespace KilnCore
