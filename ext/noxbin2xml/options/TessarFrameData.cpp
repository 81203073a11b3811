#include "options/TessarFrameData.h"

namespace KilnCore {

namespace {

using T = TessarFrameData;
using F = KilnUtils::KilnFrameData;

// Fields are named after the members they are read into.
#define MEMBER(name) #name, &F::name

const RecordLayout<T>& frameRecord() {
    static const RecordLayout<T> layout{
        "TessarFrameData",
        1,
        {{{MEMBER(t)},
          {MEMBER(frameStart)},
          {MEMBER(frameEnd)},
          {MEMBER(currentFrame)},
          {MEMBER(worldToCam)},
          {MEMBER(camToWorld)},
          {MEMBER(fov)},
          {MEMBER(nearRange)},
          {MEMBER(farRange)},
          {MEMBER(focalDistance)},
          {MEMBER(aperture)},
          {MEMBER(rotation)},
          {MEMBER(clippingPlanes)},
          {MEMBER(clipNear)},
          {MEMBER(clipFar)},
          {MEMBER(projType)},
          {MEMBER(zoomFractor)},
          {MEMBER(infiniteProj)},
          {MEMBER(height)},
          {MEMBER(autoFit)},
          {MEMBER(distance)},
          {MEMBER(curve)},
          {MEMBER(orthoAdjustToScene)},
          {MEMBER(ambient)},
          {MEMBER(background)},
          {MEMBER(globalLightLevel)},
          {MEMBER(kilnGIBackground)},
          {MEMBER(kilnRRBackground)},
          {MEMBER(kilnRefractBackground)},
          {MEMBER(regionLeft)},
          {MEMBER(regionWidth)},
          {MEMBER(regionTop)},
          {MEMBER(regionHeight)},
          {MEMBER(unnamed1)},
          {MEMBER(unnamed2)},
          {MEMBER(bitmapWidth)},
          {MEMBER(bitmapHeight)},
          {MEMBER(renderLeft)},
          {MEMBER(renderWidth)},
          {MEMBER(renderTop)},
          {MEMBER(renderHeight)},
          {MEMBER(devAspect)},
          {MEMBER(fieldMask)},
          {MEMBER(fieldOrder)},
          {MEMBER(firstField)},
          {MEMBER(darkMult)},
          {MEMBER(brightMult)}}}};
    return layout;
}

const FieldList<T>& frameParams() {
    static const FieldList<T> params = {
        {MEMBER(t)},         {MEMBER(frameStart)},       {MEMBER(frameEnd)},         {MEMBER(currentFrame)},
        {MEMBER(worldToCam)}, {MEMBER(camToWorld)},      {MEMBER(fov)},              {MEMBER(nearRange)},
        {MEMBER(farRange)},  {MEMBER(clippingPlanes)},   {MEMBER(clipNear)},         {MEMBER(clipFar)},
        {MEMBER(projType)},  {MEMBER(zoomFractor)},      {MEMBER(infiniteProj)},     {MEMBER(orthoAdjustToScene)},
        {MEMBER(ambient)},   {MEMBER(background)},       {MEMBER(globalLightLevel)}, {MEMBER(kilnGIBackground)},
        {MEMBER(kilnRRBackground)}, {MEMBER(kilnRefractBackground)}, {MEMBER(devAspect)}, {MEMBER(fieldMask)},
        {MEMBER(fieldOrder)}, {MEMBER(firstField)}};
    return params;
}

#undef MEMBER

}  // namespace

bool TessarFrameData::serialize(QuickArchive& archive) { return writeRecord(*this, archive, frameRecord()); }

bool TessarFrameData::deserialize(QuickArchive& archive) { return readRecord(*this, archive, frameRecord()); }

void TessarFrameData::writeXML(AssetXmlWriter& writer, const std::string& prefix) {
    writeParamAsset(writer, *this, frameParams(), {prefix + "/FrameData", "settings", "", "FrameData", "settings"});
}

}  // namespace KilnCore
