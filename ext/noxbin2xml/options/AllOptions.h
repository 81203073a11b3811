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
#include "serial/Fields.h"

namespace KilnCore {

class BaseTexture;

// One environment channel: background, GI, reflection or refraction.
struct EnvironmentSlot {
    int32_t use = 0;
    Color color;
    std::shared_ptr<BaseTexture> texture;  // may be empty
    float colorMult = 1.0f;                // written when no texture is set
    float textureMult = 1.0f;              // written when a texture is set
};

// The render channels: a count, then the channel ids. Records older than
// version 0x15 add their ids to the default list; ids outside the known
// range are dropped. The parameter lists the channels' names.
struct RenderChannelList : CodecDefaults<std::vector<int32_t>> {
    static constexpr std::string_view kType = "ids";
    using List = std::vector<int32_t>;
    static bool read(RecordScope& rec, List& v, const FieldSpec&);
    static bool write(QuickArchive& archive, List& v, const FieldSpec&);
    static void param(AssetXmlWriter& w, const List& v, const FieldSpec& f, std::string_view);
    static void text(std::string& out, const List& v);
};

class AllOptions : public TessarOptionsBase {
public:
    static constexpr uint16_t kTag = 1;
    // Channel ids a record may carry; 8 is an old spelling of 123 (normals).
    static constexpr int32_t kFirstChannelId = 100;
    static constexpr int32_t kLastChannelId = 132;

    void reset() override { *this = AllOptions(); }
    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;
    // The 22 settings groups, each in its own "Assets" element.
    void writeXML(AssetXmlWriter& writer, const std::string& prefix) override;
    std::string_view pluginType() const override { return "AllOptions"; }

    // The name written for a render channel id; empty for an unknown id.
    static std::string_view renderChannelName(int32_t id);

    // The renderer's defaults with the changes the options make to them.
    TessarParams params = optionsParams();
    TessarFrameData frameData;
    TessarKFBStampInfo stampInfo;
    EnvironmentSlot background;
    EnvironmentSlot globalIllumination{0, {0.8f, 0.8980392f, 1.0f}, nullptr};
    EnvironmentSlot reflection;
    EnvironmentSlot refraction;
    Color overrideMaterialColor{0.5f, 0.5f, 0.5f};
    std::vector<int32_t> renderChannels = {126, 125};  // RGB color, alpha
    int32_t imageFilterType = 5;
    int32_t imageHeight = 600;
    int32_t imageWidth = 800;
    int32_t overrideFov = 0;
    int32_t overrideViewport = 0;
    int32_t pixelAspectLocked = 0;
    int32_t imageAspectLocked = 0;
    int32_t rawFileOn = 0;
    int32_t saveRender = 0;
    int32_t batchRender = 1;
    int32_t overrideFocalDistance = 1;
    int32_t showProgressWindow = 1;
    int32_t drOn = 0;
    int32_t assetCollection = 1;
    int32_t drMode = 0;
    std::string drFolder;
    float reservedFloat1 = 0.0f;
    float reservedFloat2 = 0.0f;
    float fieldOfView = 45.0f;
    float imageFilterSize = 1.5f;
    float imageAspect = 1.333f;
    float pixelAspect = 1.0f;
    float zDepthBlack = 0.0f;
    float zDepthWhite = 1000.0f;
    int32_t zDepthClamp = 1;
    PhysicalCamera physicalCamera;
    int32_t physicalCameraOn = 0;
    int32_t overrideFocalLength = 0;
    int32_t gammaCorrectRgb = 0;
    int32_t gammaCorrectLdrTextures = 0;
    float inputGamma = 2.2f;
    int32_t reservedInt1 = 1;
    int32_t doAnimation = 0;
    int32_t frameRate = 0;
    float framesPerSecond = 30.0f;
    int32_t reservedInt2 = 0;
    int32_t specifyFilmWidth = 0;
    // The file paths, in record order; each keeps at most 2047 UTF-16
    // units, as the old fixed buffers did.
    std::string outputImagePath;
    std::string rawImagePath;
    std::string irradianceMapPath;
    std::string irradianceMapAutoSavePath;
    std::string lightCachePath;
    std::string lightCacheAutoSavePath;
    std::string photonMapPath;
    std::string photonMapAutoSavePath;
    std::string causticsPath;
    std::string causticsAutoSavePath;

    static const RecordLayout<AllOptions>& layout();

private:
    static TessarParams optionsParams();
};

}  // namespace KilnCore
