#include "options/TessarFrameData.h"

#include "options/RecordFields.h"
#include "options/SettingParams.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {

void TessarFrameData::fields(RecordFields& f) {
    f.real64(1, t);
    f.real64(1, frameStart);
    f.real64(1, frameEnd);
    f.int32(1, currentFrame);
    f.transformD(1, worldToCam);
    f.transformD(1, camToWorld);
    for (float* value : {&fov, &nearRange, &farRange, &focalDistance, &aperture, &rotation}) f.real(1, *value);
    f.int32(1, clippingPlanes);
    f.real(1, clipNear);
    f.real(1, clipFar);
    f.int32(1, projType);
    f.real(1, zoomFractor);
    f.int32(1, infiniteProj);
    f.real(1, height);
    f.int32(1, autoFit);
    f.real(1, distance);
    f.real(1, curve);
    f.int32(1, orthoAdjustToScene);
    for (Color* colour : {&ambient, &background, &globalLightLevel, &kilnGIBackground, &kilnRRBackground,
                          &kilnRefractBackground})
        f.color(1, *colour);
    for (float* value : {&regionLeft, &regionWidth, &regionTop, &regionHeight}) f.real(1, *value);
    for (int32_t* value : {&unnamed1, &unnamed2, &bitmapWidth, &bitmapHeight, &renderLeft, &renderWidth,
                           &renderTop, &renderHeight})
        f.int32(1, *value);
    f.real(1, devAspect);
    f.int32(1, fieldMask);
    f.int32(1, fieldOrder);
    f.int32(1, firstField);
    f.real(1, darkMult);
    f.real(1, brightMult);
}

bool TessarFrameData::serialize(QuickArchive& archive) {
    archive.writeUInt32(versionWord(kVersion));
    RecordFields f = RecordFields::writer(archive, kVersion);
    fields(f);
    return f.ok();
}

bool TessarFrameData::deserialize(QuickArchive& archive) {
    RecordScope rec(archive, "TessarFrameData");
    const uint32_t word = rec.readVersionWord();
    reset();
    if (!rec.accept(word, kVersion, kVersion)) return false;
    RecordFields f = RecordFields::reader(rec, kVersion);
    fields(f);
    return f.ok();
}

void TessarFrameData::writeXML(AssetXmlWriter& writer, const std::string& prefix) {
    using F = KilnUtils::KilnFrameData;
    static const SettingParam kParams[] = {
        real("t", &F::t),
        real("frameStart", &F::frameStart),
        real("frameEnd", &F::frameEnd),
        integer("currentFrame", &F::currentFrame),
        transform("worldToCam", &F::worldToCam),
        transform("camToWorld", &F::camToWorld),
        real("fov", &F::fov),
        real("nearRange", &F::nearRange),
        real("farRange", &F::farRange),
        integer("clippingPlanes", &F::clippingPlanes),
        real("clipNear", &F::clipNear),
        real("clipFar", &F::clipFar),
        integer("projType", &F::projType),
        real("zoomFractor", &F::zoomFractor),
        integer("infiniteProj", &F::infiniteProj),
        integer("orthoAdjustToScene", &F::orthoAdjustToScene),
        color("ambient", &F::ambient),
        color("background", &F::background),
        color("globalLightLevel", &F::globalLightLevel),
        color("kilnGIBackground", &F::kilnGIBackground),
        color("kilnRRBackground", &F::kilnRRBackground),
        color("kilnRefractBackground", &F::kilnRefractBackground),
        real("devAspect", &F::devAspect),
        integer("fieldMask", &F::fieldMask),
        integer("fieldOrder", &F::fieldOrder),
        integer("firstField", &F::firstField),
    };
    SettingSources sources;
    sources.frame = this;
    writeSettingsAsset(writer, prefix + "/FrameData", "FrameData", kParams, sources);
}

}  // namespace KilnCore
