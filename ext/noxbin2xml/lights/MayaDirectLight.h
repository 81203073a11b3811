// A directional light from infinitely far away. Its placement is animated
// and kept in the record, but the asset has no transform parameter.
#pragma once

#include "animated/AnimatedValues.h"
#include "lights/LightSettings.h"
#include "lights/RecordLight.h"

namespace KilnCore {

class MayaDirectLight : public RecordLight<MayaDirectLight>, public LightSettings {
public:
    static constexpr int32_t kTypeId = LightType::MayaDirect;
    static constexpr std::string_view kPluginType = "MayaLightDirect";
    static const LightLayout<MayaDirectLight>& layout();

    MayaDirectLight() : LightSettings(1.0f) {}

    AnimatedTransform transform;
};

}  // namespace KilnCore
