#include "options/AllOptions.h"

#include "options/RecordFields.h"
#include "options/SettingsGroups.h"
#include "textures/BaseTexture.h"

namespace KilnCore {
namespace {

// Names of the render channels kFirstChannelId.. in id order.
constexpr std::string_view kChannelNames[] = {
    "Atmosphere",         "Diffuse",         "Reflection",        "Refraction",       "Self-illumination",
    "Shadow",             "Specular",        "Lighting",          "GI",               "Caustics",
    "Raw GI",             "Raw Light",       "Raw Shadow",        "Velocity",         "RenderID",
    "Material ID",        "Node ID",         "ZDepth",            "Reflection Filter", "Raw Reflection",
    "Refraction Filter",  "Raw Refraction",  "Real Color",        "Normals",          "Background",
    "Alpha",              "RGB color",       "Wire Color",        "Matte Shadow",     "Total Light",
    "Raw Total Light",    "Bump Normal",     "Sample Rate",       "SSS2",
};
constexpr int32_t kNormalsChannel = 123;
constexpr int32_t kAlphaChannel = 125;
constexpr int32_t kRgbChannel = 126;
constexpr uint32_t kOldNormalsChannel = 8;
// From this version on a record's channel list replaces the default one.
constexpr uint16_t kChannelsReplaceDefaults = 0x15;

}  // namespace

std::string_view AllOptions::renderChannelName(int32_t id) {
    const int64_t index = int64_t{id} - kFirstChannelId;
    if (index < 0 || index >= int64_t(std::size(kChannelNames))) return {};
    return kChannelNames[index];
}

void AllOptions::reset() {
    params.reset();
    KilnUtils::KilnParams& block = params.block;
    block.caustics_search_distance = 20.0f;
    block.lightCache_fileName.clear();
    block.lightCache_autoSaveFileName.clear();
    block.dmcSampler_adaptive_threshold = 0.01f;
    block.lightCache_adaptive_sampling = 0;
    block.options_mtl_maxDepth = 2;
    block.options_mtl_limitDepth = 1;
    block.imgSampler_type = 2;
    block.imgFilter_on = 1;

    frameData.reset();
    stampInfo.reset();

    environment = {};
    environment[kGlobalIllumination].color = {0.8f, 0.8980392f, 1.0f};
    overrideMaterialColor = {0.5f, 0.5f, 0.5f};
    imageFilterType = 5;
    imageHeight = 600;
    imageWidth = 800;
    overrideFov = 0;
    overrideViewport = 0;
    pixelAspectLocked = 0;
    imageAspectLocked = 0;
    rawFileOn = 0;
    saveRender = 0;
    batchRender = 1;
    overrideFocalDistance = 1;
    showProgressWindow = 1;
    drOn = 0;
    assetCollection = 1;
    drMode = 0;
    drFolder.clear();
    reservedFloats = {0.0f, 0.0f};
    fieldOfView = 45.0f;
    imageFilterSize = 1.5f;
    imageAspect = 1.333f;
    pixelAspect = 1.0f;
    zDepthBlack = 0.0f;
    zDepthWhite = 1000.0f;
    zDepthClamp = 1;
    physicalCamera.reset();
    physicalCameraOn = 0;
    overrideFocalLength = 0;
    gammaCorrectRgb = 0;
    gammaCorrectLdrTextures = 0;
    inputGamma = 2.2f;
    reservedInt1 = 1;
    doAnimation = 0;
    frameRate = 0;
    framesPerSecond = 30.0f;
    reservedInt2 = 0;
    specifyFilmWidth = 0;

    renderChannels = {kRgbChannel, kAlphaChannel};
    for (std::string& path : paths) path.clear();
}

// The record in field order; the first argument of each call is the first
// record version that carries the field.
void AllOptions::fields(RecordFields& f) {
    EnvironmentSlot& bg = environment[kBackground];
    EnvironmentSlot& gi = environment[kGlobalIllumination];
    EnvironmentSlot& reflect = environment[kReflection];
    EnvironmentSlot& refract = environment[kRefraction];

    f.nested(0, params);
    f.nested(0, frameData);
    f.nested(0, stampInfo);
    f.nested(5, physicalCamera);
    f.optionalTexture(0, bg.texture);
    f.optionalTexture(0, gi.texture);
    f.color(0, bg.color);
    f.color(0, gi.color);
    f.int32(0, gi.use);
    f.int32(0, bg.use);
    f.int32(0, imageFilterType);
    f.int32(0, imageHeight);
    f.int32(0, imageWidth);
    f.int32(0, overrideFov);
    f.int32(0, overrideViewport);
    f.int32(0, imageAspectLocked);
    f.int32(0, pixelAspectLocked);
    f.int32(0, rawFileOn);
    f.int32(0, saveRender);
    f.int32(2, overrideFocalDistance);
    f.int32(3, showProgressWindow);
    f.int32(5, physicalCameraOn);
    f.int32(6, overrideFocalLength);
    f.real(0, fieldOfView);
    f.real(0, gi.colorMult);
    f.real(0, bg.colorMult);
    f.real(0, gi.textureMult);
    f.real(0, bg.textureMult);
    f.real(0, imageFilterSize);
    f.real(0, pixelAspect);
    f.real(0, imageAspect);
    f.real(4, zDepthBlack);
    f.real(4, zDepthWhite);
    f.int32(4, zDepthClamp);
    renderChannelField(f);
    for (std::string& path : paths) f.text(0, path, kPathMaxUnits);
    f.color(1, overrideMaterialColor);
    f.int32(1, batchRender);
    f.int32(7, gammaCorrectRgb);
    f.int32(7, gammaCorrectLdrTextures);
    f.int32(8, doAnimation);
    f.int32(8, frameRate);
    f.real(8, framesPerSecond);
    f.color(9, reflect.color);
    f.color(9, refract.color);
    f.real(9, reflect.colorMult);
    f.real(9, refract.colorMult);
    f.real(9, reflect.textureMult);
    f.real(9, refract.textureMult);
    f.int32(9, reflect.use);
    f.int32(9, refract.use);
    f.optionalTexture(9, reflect.texture);
    f.optionalTexture(9, refract.texture);
    f.int32(0x10, drOn);
    f.real(0x11, reservedFloats[0]);
    f.real(0x11, reservedFloats[1]);
    f.real(0x12, inputGamma);
    f.int32(0x13, reservedInt1);
    f.int32(0x14, assetCollection);
    f.int32(0x14, drMode);
    f.text(0x14, drFolder);
    f.int32(0x16, reservedInt2);
    f.int32(0x17, specifyFilmWidth);
}

// A count, then the channel ids. Older records add their ids to the
// default list; ids outside the known range are dropped.
void AllOptions::renderChannelField(RecordFields& f) {
    if (!f.ok()) return;
    QuickArchive& archive = f.archive();
    if (!f.reading()) {
        archive.writeUInt32(static_cast<uint32_t>(renderChannels.size()));
        for (int32_t id : renderChannels) archive.writeInt32(id);
        return;
    }
    uint32_t count = 0;
    archive.readUInt32(count);
    if (f.version() >= kChannelsReplaceDefaults) renderChannels.clear();
    for (uint32_t i = 0; i < count && !archive.exhausted(); ++i) {
        uint32_t id = 0;
        archive.readUInt32(id);
        if (id == kOldNormalsChannel) id = kNormalsChannel;
        if (id >= uint32_t(kFirstChannelId) && id <= uint32_t(kLastChannelId))
            renderChannels.push_back(static_cast<int32_t>(id));
    }
}

bool AllOptions::serialize(QuickArchive& archive) {
    archive.writeUInt32(versionWord(kVersion, kTag));
    RecordFields f = RecordFields::writer(archive, kVersion);
    fields(f);
    return f.ok();
}

bool AllOptions::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "AllOptions");
    reset();
    const uint32_t word = rec.readVersionWord();
    const uint16_t version = recordVersion(word);
    if (!rec.acceptIf(word, isAcceptedVersion(version), "0..9, 0x10..0x17", kTag)) return false;
    RecordFields f = RecordFields::reader(rec, version);
    fields(f);
    return f.ok();
}

void AllOptions::writeXML(AssetXmlWriter& writer, const std::string& prefix) {
    writeSettingsGroups(writer, *this, prefix);
}

}  // namespace KilnCore
