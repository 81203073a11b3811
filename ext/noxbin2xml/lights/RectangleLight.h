// An area light: a rectangle of u_size by v_size, or a portal letting the
// environment in.
#pragma once

#include "lights/RecordLight.h"

namespace KilnCore {

class RectangleLight : public RecordLight<RectangleLight> {
public:
    static constexpr int32_t kTypeId = LightType::Rectangle;
    static constexpr std::string_view kPluginType = "LightRectangle";
    static const LightLayout<RectangleLight>& layout();

    Transform transform;
    Color color{1, 1, 1};
    Color shadowColor{0, 0, 0};
    float cutoffThreshold = 0.005f;
    float shadowBias = 0.0f;
    float intensity = 30.0f;
    float lightFactor = 1.0f;  // stored only, no parameter
    float u_size = 1.0f;
    float v_size = 1.0f;
    int32_t units = 0;
    uint32_t photonSubdivs = 500;
    uint32_t causticSubdivs = 1000;
    uint32_t subdivs = 8;
    int32_t lightMode = 3;  // stored only, no parameter
    bool enabled = true;
    bool shadows = true;
    bool affectDiffuse = true;
    bool affectSpecular = true;
    bool storeWithIrradianceMap = false;
    bool doubleSided = false;
    bool invisible = false;
    bool lightPortal = false;
    bool noDecay = false;
    bool ignoreLightNormals = true;
    bool affectReflections = true;
};

}  // namespace KilnCore
