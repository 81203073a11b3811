// A point light shining in every direction.
#pragma once

#include "lights/LightSettings.h"
#include "lights/RecordLight.h"

namespace KilnCore {

class OmniLight : public RecordLight<OmniLight>, public PointLightSettings {
public:
    static constexpr int32_t kTypeId = LightType::Omni;
    static constexpr std::string_view kPluginType = "LightOmni";
    static const LightLayout<OmniLight>& layout();

    OmniLight() : PointLightSettings(30.0f) {}
};

}  // namespace KilnCore
