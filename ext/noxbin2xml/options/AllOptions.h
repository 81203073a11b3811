// Every render setting of a scene: the renderer parameter block, frame
// data, stamp and physical camera, plus the environment, output, render
// channel and distributed-rendering settings held here. Written as the 22
// settings groups of the options document.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "options/PhysicalCamera.h"
#include "options/TessarFrameData.h"
#include "options/TessarKFBStampInfo.h"
#include "options/TessarParams.h"

namespace KilnCore {

class BaseTexture;
class RecordFields;

// The four environment channels, in the order their textures are written.
enum EnvironmentChannel { kBackground, kGlobalIllumination, kReflection, kRefraction, kEnvironmentChannels };

struct EnvironmentSlot {
    int32_t use = 0;
    Color color;
    std::shared_ptr<BaseTexture> texture;  // may be empty
    float colorMult = 1.0f;                // written when no texture is set
    float textureMult = 1.0f;              // written when a texture is set
};

// The file paths, in record order.
enum PathSlot {
    kOutputImagePath,
    kRawImagePath,
    kIrradianceMapPath,
    kIrradianceMapAutoSavePath,
    kLightCachePath,
    kLightCacheAutoSavePath,
    kPhotonMapPath,
    kPhotonMapAutoSavePath,
    kCausticsPath,
    kCausticsAutoSavePath,
    kPathCount
};

class AllOptions : public TessarOptionsBase {
public:
    static constexpr uint16_t kVersion = 0x17;
    static constexpr uint16_t kTag = 1;
    // Paths keep at most this many UTF-16 units, as the old fixed buffers did.
    static constexpr size_t kPathMaxUnits = 2047;
    // Channel ids a record may carry; 8 is an old spelling of 123 (normals).
    static constexpr int32_t kFirstChannelId = 100;
    static constexpr int32_t kLastChannelId = 132;

    AllOptions() { reset(); }

    void reset() override;
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    // The 22 settings groups, each in its own "Assets" element.
    void writeXML(AssetXmlWriter& writer, const std::string& prefix) override;
    std::string_view pluginType() const override { return "AllOptions"; }

    static bool isAcceptedVersion(uint16_t version) { return version <= 9 || (version >= 0x10 && version <= kVersion); }
    // The name written for a render channel id; empty for an unknown id.
    static std::string_view renderChannelName(int32_t id);

    TessarParams params;
    TessarFrameData frameData;
    TessarKFBStampInfo stampInfo;
    std::array<EnvironmentSlot, kEnvironmentChannels> environment;
    Color overrideMaterialColor;
    std::vector<int32_t> renderChannels;
    int32_t imageFilterType;
    int32_t imageHeight;
    int32_t imageWidth;
    int32_t overrideFov;
    int32_t overrideViewport;
    int32_t pixelAspectLocked;
    int32_t imageAspectLocked;
    int32_t rawFileOn;
    int32_t saveRender;
    int32_t batchRender;
    int32_t overrideFocalDistance;
    int32_t showProgressWindow;
    int32_t drOn;
    int32_t assetCollection;
    int32_t drMode;
    std::string drFolder;
    std::array<float, 2> reservedFloats;
    float fieldOfView;
    float imageFilterSize;
    float imageAspect;
    float pixelAspect;
    float zDepthBlack;
    float zDepthWhite;
    int32_t zDepthClamp;
    PhysicalCamera physicalCamera;
    int32_t physicalCameraOn;
    int32_t overrideFocalLength;
    int32_t gammaCorrectRgb;
    int32_t gammaCorrectLdrTextures;
    float inputGamma;
    int32_t reservedInt1;
    int32_t doAnimation;
    int32_t frameRate;
    float framesPerSecond;
    int32_t reservedInt2;
    int32_t specifyFilmWidth;
    std::array<std::string, kPathCount> paths;

private:
    void fields(RecordFields& f);
    void renderChannelField(RecordFields& f);
};

}  // namespace KilnCore
