#include "options/TessarFrameData.h"

namespace KilnCore {

namespace {

using T = TessarFrameData;
using F = KilnUtils::KilnFrameData;


const RecordLayout<T>& frameRecord() {
    static const RecordLayout<T> layout{
        "TessarFrameData",
        1,
        {{{KILN_MEMBER(F, t)},
          {KILN_MEMBER(F, frameStart)},
          {KILN_MEMBER(F, frameEnd)},
          {KILN_MEMBER(F, currentFrame)},
          {KILN_MEMBER(F, worldToCam)},
          {KILN_MEMBER(F, camToWorld)},
          {KILN_MEMBER(F, fov)},
          {KILN_MEMBER(F, nearRange)},
          {KILN_MEMBER(F, farRange)},
          {KILN_MEMBER(F, focalDistance)},
          {KILN_MEMBER(F, aperture)},
          {KILN_MEMBER(F, rotation)},
          {KILN_MEMBER(F, clippingPlanes)},
          {KILN_MEMBER(F, clipNear)},
          {KILN_MEMBER(F, clipFar)},
          {KILN_MEMBER(F, projType)},
          {KILN_MEMBER(F, zoomFractor)},
          {KILN_MEMBER(F, infiniteProj)},
          {KILN_MEMBER(F, height)},
          {KILN_MEMBER(F, autoFit)},
          {KILN_MEMBER(F, distance)},
          {KILN_MEMBER(F, curve)},
          {KILN_MEMBER(F, orthoAdjustToScene)},
          {KILN_MEMBER(F, ambient)},
          {KILN_MEMBER(F, background)},
          {KILN_MEMBER(F, globalLightLevel)},
          {KILN_MEMBER(F, kilnGIBackground)},
          {KILN_MEMBER(F, kilnRRBackground)},
          {KILN_MEMBER(F, kilnRefractBackground)},
          {KILN_MEMBER(F, regionLeft)},
          {KILN_MEMBER(F, regionWidth)},
          {KILN_MEMBER(F, regionTop)},
          {KILN_MEMBER(F, regionHeight)},
          {KILN_MEMBER(F, unnamed1)},
          {KILN_MEMBER(F, unnamed2)},
          {KILN_MEMBER(F, bitmapWidth)},
          {KILN_MEMBER(F, bitmapHeight)},
          {KILN_MEMBER(F, renderLeft)},
          {KILN_MEMBER(F, renderWidth)},
          {KILN_MEMBER(F, renderTop)},
          {KILN_MEMBER(F, renderHeight)},
          {KILN_MEMBER(F, devAspect)},
          {KILN_MEMBER(F, fieldMask)},
          {KILN_MEMBER(F, fieldOrder)},
          {KILN_MEMBER(F, firstField)},
          {KILN_MEMBER(F, darkMult)},
          {KILN_MEMBER(F, brightMult)}}}};
    return layout;
}

const FieldList<T>& frameParams() {
    static const FieldList<T> params = {
        {KILN_MEMBER(F, t)},         {KILN_MEMBER(F, frameStart)},       {KILN_MEMBER(F, frameEnd)},         {KILN_MEMBER(F, currentFrame)},
        {KILN_MEMBER(F, worldToCam)}, {KILN_MEMBER(F, camToWorld)},      {KILN_MEMBER(F, fov)},              {KILN_MEMBER(F, nearRange)},
        {KILN_MEMBER(F, farRange)},  {KILN_MEMBER(F, clippingPlanes)},   {KILN_MEMBER(F, clipNear)},         {KILN_MEMBER(F, clipFar)},
        {KILN_MEMBER(F, projType)},  {KILN_MEMBER(F, zoomFractor)},      {KILN_MEMBER(F, infiniteProj)},     {KILN_MEMBER(F, orthoAdjustToScene)},
        {KILN_MEMBER(F, ambient)},   {KILN_MEMBER(F, background)},       {KILN_MEMBER(F, globalLightLevel)}, {KILN_MEMBER(F, kilnGIBackground)},
        {KILN_MEMBER(F, kilnRRBackground)}, {KILN_MEMBER(F, kilnRefractBackground)}, {KILN_MEMBER(F, devAspect)}, {KILN_MEMBER(F, fieldMask)},
        {KILN_MEMBER(F, fieldOrder)}, {KILN_MEMBER(F, firstField)}};
    return params;
}


}  // namespace

bool TessarFrameData::serialize(QuickArchive& archive) { return writeRecord(*this, archive, frameRecord()); }

bool TessarFrameData::deserialize(QuickArchive& archive) { return readRecord(*this, archive, frameRecord()); }

void TessarFrameData::writeXML(AssetXmlWriter& writer, const std::string& prefix) {
    writeParamAsset(writer, *this, frameParams(), {prefix + "/FrameData", "settings", "", "FrameData", "settings"});
}

}  // namespace KilnCore
