// A spherical light the renderer no longer offers: its record is read and
// kept so that it round-trips, but it writes no XML. Fields named by position
// (count3, flag3, ...) are of unknown meaning.
#pragma once

#include "lights/RecordLight.h"

namespace KilnCore {

class SphereLight : public RecordLight<SphereLight> {
public:
    static constexpr int32_t kTypeId = LightType::Sphere;
    static constexpr std::string_view kPluginType = "";
    static const LightLayout<SphereLight>& layout();

    Transform transform;
    Color color{1, 1, 1};
    Color shadowColor{0, 0, 0};
    float shadowBias = 0.0f;
    float cutoffThreshold = 0.005f;
    float intensity = 1.0f;
    float lightFactor = 1.0f;
    uint32_t photonSubdivs = 500;
    uint32_t causticSubdivs = 1000;
    uint32_t count3 = 0;
    uint32_t shadowSubdivs = 8;
    bool enabled = true;
    bool shadows = true;
    bool flag3 = false;
    bool flag4 = false;
    bool flag5 = false;
    bool affectDiffuse = true;
    bool affectSpecular = true;
    bool flag8 = true;

    void writeXML(AssetXmlWriter&, const std::string&) override {}
};

}  // namespace KilnCore
