// A cone of light, optionally shaped by four barn doors.
#pragma once

#include "lights/LightSettings.h"
#include "lights/RecordLight.h"

namespace KilnCore {

class SpotLight : public RecordLight<SpotLight>, public PointLightSettings {
public:
    static constexpr int32_t kTypeId = LightType::Spot;
    static constexpr std::string_view kPluginType = "LightSpot";
    static const LightLayout<SpotLight>& layout();

    SpotLight() : PointLightSettings(50.0f) {}

    float barnDoorLeft = 20.0f;
    float barnDoorRight = 20.0f;
    float barnDoorTop = 20.0f;
    float barnDoorBottom = 20.0f;
    float coneAngle = 1.0f;
    float penumbraAngle = 0.0f;
    bool barnDoor = false;
};

}  // namespace KilnCore
