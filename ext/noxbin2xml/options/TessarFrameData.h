// Frame and camera data of the options: frame times, camera transforms and
// projection, environment colours, render region and field settings.
#pragma once

#include "options/TessarOptionsBase.h"
#include "serial/Fields.h"
#include "serial/Types.h"

namespace KilnUtils {

// The renderer's frame description. The camera transforms keep a float64
// offset; records store them as float32.
struct KilnFrameData {
    double t = 0.0;
    double frameStart = 0.0;
    double frameEnd = 1.0;
    int32_t currentFrame = 0;
    KilnCore::TransformD worldToCam;
    KilnCore::TransformD camToWorld;
    float fov = 0.0f;
    float nearRange = 0.0f;
    float farRange = 0.0f;
    float focalDistance = 200.0f;
    float aperture = 0.1f;
    float rotation = 0.0f;
    int32_t clippingPlanes = 0;
    float clipNear = 0.0f;
    float clipFar = 0.0f;
    int32_t projType = 0;
    float zoomFractor = 1.0f;
    int32_t infiniteProj = 0;
    float height = 400.0f;
    int32_t autoFit = 1;
    float distance = 2.0f;
    float curve = 1.0f;
    int32_t orthoAdjustToScene = 0;
    KilnCore::Color ambient;
    KilnCore::Color background;
    KilnCore::Color globalLightLevel;
    KilnCore::Color kilnGIBackground;
    KilnCore::Color kilnRRBackground;
    KilnCore::Color kilnRefractBackground;
    float regionLeft = 0.0f;
    float regionWidth = 0.0f;
    float regionTop = 0.0f;
    float regionHeight = 0.0f;
    int32_t unnamed1 = 0;
    int32_t unnamed2 = 0;
    int32_t bitmapWidth = 0;
    int32_t bitmapHeight = 0;
    int32_t renderLeft = 0;
    int32_t renderWidth = 0;
    int32_t renderTop = 0;
    int32_t renderHeight = 0;
    float devAspect = 1.0f;
    int32_t fieldMask = 3;
    int32_t fieldOrder = 0;
    int32_t firstField = 0;
    float darkMult = 1.0f;
    float brightMult = 1.0f;
};

}  // namespace KilnUtils

namespace KilnCore {

class TessarFrameData : public TessarOptionsBase, public KilnUtils::KilnFrameData {
public:
    void reset() override { *this = TessarFrameData(); }
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    // One "FrameData" asset at prefix + "/FrameData", not wrapped in an
    // "Assets" element.
    void writeXML(AssetXmlWriter& writer, const std::string& prefix) override;
    std::string_view pluginType() const override { return "FrameData"; }
};

}  // namespace KilnCore
