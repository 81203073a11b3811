// A light whose distribution comes from a photometric (IES) file.
#pragma once

#include <string>

#include "lights/RecordLight.h"

namespace KilnCore {

class IESLight : public RecordLight<IESLight> {
public:
    static constexpr int32_t kTypeId = LightType::IES;
    static constexpr std::string_view kPluginType = "LightIES";
    static const LightLayout<IESLight>& layout();

    Transform transform;
    Color color{1, 1, 1};
    Color shadowColor{0, 0, 0};
    Color filter_color{1, 1, 1};
    float shadowBias = 0.0f;
    float cutoffThreshold = 0.005f;
    float intensity = 1.0f;
    uint32_t photonSubdivs = 8;
    uint32_t causticSubdivs = 1000;
    uint32_t shadow_subdivs = 8;
    bool enabled = true;
    bool shadows = true;
    bool soft_shadows = false;
    std::string ies_file;
    bool affectDiffuse = true;
    bool affectSpecular = true;
};

}  // namespace KilnCore
