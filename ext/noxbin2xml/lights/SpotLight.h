// A cone of light, optionally shaped by four barn doors.
#pragma once

#include "lights/TableDrivenLight.h"

namespace KilnCore {

class SpotLight : public TableDrivenLight<SpotLight> {
public:
    static constexpr int32_t kTypeId = 4;
    static constexpr std::string_view kPluginType = "LightSpot";
    static constexpr std::string_view kClassName = "SpotLight";
    static const LightLayout<SpotLight>& layout();

    Transform transform;
    Color color{1, 1, 1};
    Color shadowColor{0, 0, 0};
    float cutoffThreshold = 0.005f;
    float barnDoorLeft = 20.0f;
    float barnDoorRight = 20.0f;
    float barnDoorTop = 20.0f;
    float barnDoorBottom = 20.0f;
    float shadowBias = 0.0f;
    float shadowRadius = 0.0f;
    float decay = 0.0f;
    float intensity = 50.0f;
    float lightFactor = 1.0f;  // stored only, no parameter
    float coneAngle = 1.0f;
    float penumbraAngle = 0.0f;
    int32_t units = 0;
    uint32_t photonSubdivs = 500;
    uint32_t causticSubdivs = 1000;
    uint32_t shadowSubdivs = 8;
    int32_t lightMode = 3;  // stored only, no parameter
    bool enabled = true;
    bool barnDoor = false;
    bool shadows = true;
    bool affectDiffuse = true;
    bool affectSpecular = true;

protected:
    // Every spot light is written in legacy mode.
    void writeExtraParameters(AssetXmlWriter& writer) override;
};

}  // namespace KilnCore
