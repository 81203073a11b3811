#include "options/AllOptions.h"

#include "options/SettingsGroups.h"
#include "serial/Children.h"
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
constexpr uint32_t kOldNormalsChannel = 8;
// From this version on a record's channel list replaces the default one.
constexpr uint16_t kChannelsReplaceDefaults = 0x15;

using O = AllOptions;
using Slot = EnvironmentSlot;

// A field of an environment slot.
template <class T>
Field<O> slot(std::string_view name, Slot O::*channel, T Slot::*member, uint16_t since = 0, Form form = Form::Plain) {
    return Field<O>(name, channel, member, form).addedIn(since);
}
Field<O> slotTexture(std::string_view name, Slot O::*channel, uint16_t since = 0) {
    return slot(name, channel, &Slot::texture, since, Form::Optional | Form::InPlace);
}

// The record in field order; a field is held from the version it was added
// in.
FieldList<O> recordFields() {
    return {{KILN_MEMBER(O, params)},
            {KILN_MEMBER(O, frameData)},
            {KILN_MEMBER(O, stampInfo)},
            Field<O>(KILN_MEMBER(O, physicalCamera)).addedIn(5),
            slotTexture("background texture", &O::background),
            slotTexture("GI texture", &O::globalIllumination),
            slot("background color", &O::background, &Slot::color),
            slot("GI color", &O::globalIllumination, &Slot::color),
            slot("use GI", &O::globalIllumination, &Slot::use),
            slot("use background", &O::background, &Slot::use),
            {KILN_MEMBER(O, imageFilterType)},
            {KILN_MEMBER(O, imageHeight)},
            {KILN_MEMBER(O, imageWidth)},
            {KILN_MEMBER(O, overrideFov)},
            {KILN_MEMBER(O, overrideViewport)},
            {KILN_MEMBER(O, imageAspectLocked)},
            {KILN_MEMBER(O, pixelAspectLocked)},
            {KILN_MEMBER(O, rawFileOn)},
            {KILN_MEMBER(O, saveRender)},
            Field<O>(KILN_MEMBER(O, overrideFocalDistance)).addedIn(2),
            Field<O>(KILN_MEMBER(O, showProgressWindow)).addedIn(3),
            Field<O>(KILN_MEMBER(O, physicalCameraOn)).addedIn(5),
            Field<O>(KILN_MEMBER(O, overrideFocalLength)).addedIn(6),
            {KILN_MEMBER(O, fieldOfView)},
            slot("GI color multiplier", &O::globalIllumination, &Slot::colorMult),
            slot("background color multiplier", &O::background, &Slot::colorMult),
            slot("GI texture multiplier", &O::globalIllumination, &Slot::textureMult),
            slot("background texture multiplier", &O::background, &Slot::textureMult),
            {KILN_MEMBER(O, imageFilterSize)},
            {KILN_MEMBER(O, pixelAspect)},
            {KILN_MEMBER(O, imageAspect)},
            Field<O>(KILN_MEMBER(O, zDepthBlack)).addedIn(4),
            Field<O>(KILN_MEMBER(O, zDepthWhite)).addedIn(4),
            Field<O>(KILN_MEMBER(O, zDepthClamp)).addedIn(4),
            Field<O>::with<RenderChannelList>(KILN_MEMBER(O, renderChannels)),
            {KILN_MEMBER(O, outputImagePath), Form::Path},
            {KILN_MEMBER(O, rawImagePath), Form::Path},
            {KILN_MEMBER(O, irradianceMapPath), Form::Path},
            {KILN_MEMBER(O, irradianceMapAutoSavePath), Form::Path},
            {KILN_MEMBER(O, lightCachePath), Form::Path},
            {KILN_MEMBER(O, lightCacheAutoSavePath), Form::Path},
            {KILN_MEMBER(O, photonMapPath), Form::Path},
            {KILN_MEMBER(O, photonMapAutoSavePath), Form::Path},
            {KILN_MEMBER(O, causticsPath), Form::Path},
            {KILN_MEMBER(O, causticsAutoSavePath), Form::Path},
            Field<O>(KILN_MEMBER(O, overrideMaterialColor)).addedIn(1),
            Field<O>(KILN_MEMBER(O, batchRender)).addedIn(1),
            Field<O>(KILN_MEMBER(O, gammaCorrectRgb)).addedIn(7),
            Field<O>(KILN_MEMBER(O, gammaCorrectLdrTextures)).addedIn(7),
            Field<O>(KILN_MEMBER(O, doAnimation)).addedIn(8),
            Field<O>(KILN_MEMBER(O, frameRate)).addedIn(8),
            Field<O>(KILN_MEMBER(O, framesPerSecond)).addedIn(8),
            slot("reflection color", &O::reflection, &Slot::color, 9),
            slot("refraction color", &O::refraction, &Slot::color, 9),
            slot("reflection color multiplier", &O::reflection, &Slot::colorMult, 9),
            slot("refraction color multiplier", &O::refraction, &Slot::colorMult, 9),
            slot("reflection texture multiplier", &O::reflection, &Slot::textureMult, 9),
            slot("refraction texture multiplier", &O::refraction, &Slot::textureMult, 9),
            slot("use reflection", &O::reflection, &Slot::use, 9),
            slot("use refraction", &O::refraction, &Slot::use, 9),
            slotTexture("reflection texture", &O::reflection, 9),
            slotTexture("refraction texture", &O::refraction, 9),
            Field<O>(KILN_MEMBER(O, drOn)).addedIn(0x10),
            Field<O>(KILN_MEMBER(O, reservedFloat1)).addedIn(0x11),
            Field<O>(KILN_MEMBER(O, reservedFloat2)).addedIn(0x11),
            Field<O>(KILN_MEMBER(O, inputGamma)).addedIn(0x12),
            Field<O>(KILN_MEMBER(O, reservedInt1)).addedIn(0x13),
            Field<O>(KILN_MEMBER(O, assetCollection)).addedIn(0x14),
            Field<O>(KILN_MEMBER(O, drMode)).addedIn(0x14),
            Field<O>(KILN_MEMBER(O, drFolder)).addedIn(0x14),
            Field<O>(KILN_MEMBER(O, reservedInt2)).addedIn(0x16),
            Field<O>(KILN_MEMBER(O, specifyFilmWidth)).addedIn(0x17)};
}


}  // namespace

bool RenderChannelList::read(RecordScope& rec, List& v, const FieldSpec&) {
    QuickArchive& archive = rec.archive();
    uint32_t count = 0;
    archive.readUInt32(count);
    if (rec.version() >= kChannelsReplaceDefaults) v.clear();
    for (uint32_t i = 0; i < count && !archive.exhausted(); ++i) {
        uint32_t id = 0;
        archive.readUInt32(id);
        if (id == kOldNormalsChannel) id = kNormalsChannel;
        if (id >= uint32_t(O::kFirstChannelId) && id <= uint32_t(O::kLastChannelId))
            v.push_back(static_cast<int32_t>(id));
    }
    return true;
}

bool RenderChannelList::write(QuickArchive& archive, List& v, const FieldSpec&) {
    archive.writeUInt32(static_cast<uint32_t>(v.size()));
    for (int32_t id : v) archive.writeInt32(id);
    return true;
}

void RenderChannelList::param(AssetXmlWriter& w, const List& v, const FieldSpec& f, std::string_view) {
    w.beginListParam(f.name, "string", f.label);
    for (int32_t id : v) w.writeListEntry(AllOptions::renderChannelName(id));
    w.endListParam();
}

void RenderChannelList::text(std::string& out, const List& v) {
    for (size_t i = 0; i < v.size(); ++i) {
        if (i > 0) out += ' ';
        appendNumberText(out, int64_t{v[i]});
    }
}

std::string_view AllOptions::renderChannelName(int32_t id) {
    const int64_t index = int64_t{id} - kFirstChannelId;
    if (index < 0 || index >= int64_t(std::size(kChannelNames))) return {};
    return kChannelNames[index];
}

// The options change these of the renderer's defaults.
TessarParams AllOptions::optionsParams() {
    TessarParams params;
    params.caustics_search_distance = 20.0f;
    params.dmcSampler_adaptive_threshold = 0.01f;
    params.lightCache_adaptive_sampling = 0;
    params.options_mtl_maxDepth = 2;
    params.options_mtl_limitDepth = 1;
    params.imgSampler_type = 2;
    params.imgFilter_on = 1;
    return params;
}

// Versions 0 to 9 and 0x10 to 0x17 are read; the tag is 1.
const RecordLayout<AllOptions>& AllOptions::layout() {
    static const RecordLayout<O> layout = [] {
        auto layout = RecordLayout<O>::since("AllOptions", 0, 0x17, recordFields());
        layout.tag = kTag;
        layout.skipsVersion = [](uint16_t version) { return version > 9 && version < 0x10; };
        layout.acceptedText = "0..9, 0x10..0x17";
        return layout;
    }();
    return layout;
}

bool AllOptions::serialize(QuickArchive& archive) { return writeRecord(*this, archive, layout()); }

bool AllOptions::deserialize(QuickArchive& archive) { return readRecord(*this, archive, layout()); }

void AllOptions::writeXML(AssetXmlWriter& writer, const std::string& prefix) {
    writeSettingsGroups(writer, *this, prefix);
}

}  // namespace KilnCore
