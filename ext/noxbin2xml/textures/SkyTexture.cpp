#include "textures/SkyTexture.h"

#include "lights/SunLight.h"
#include "serial/Text.h"
#include "serial/Uuid.h"

namespace KilnCore {
namespace {

using S = SkyTexture;

// The sky's own sun: a presence byte, then a sun light's record, kept even
// when its read fails part-way (the sky's read goes on). Only a sun light
// is written.
struct HeldSun : Codec<std::shared_ptr<BaseLight>> {
    static bool read(RecordScope& rec, std::shared_ptr<BaseLight>& sun, const FieldSpec&) {
        bool present = false;
        rec.archive().readBool(present);
        if (present) {
            sun = createLight(LightType::Sun);
            sun->deserialize(rec.archive());
        }
        return true;
    }
    static bool write(QuickArchive& ar, std::shared_ptr<BaseLight>& sun, const FieldSpec&) {
        const bool holdsSun = sun && sun->typeId() == LightType::Sun;
        ar.writeBool(holdsSun);
        return !holdsSun || sun->serialize(ar);
    }
};

// Version 1 holds the sun alone; version 2 adds its placement as a plain
// transform, the settings and the identifier; version 3 moves the placement
// after the identifier as an animated transform and adds the default sun.
const ObjectLayout<S>& skyLayout() {
    static const ObjectLayout<S> layout = [] {
        using Fields = FieldList<S>;
        const Field<S> sun = Field<S>::with<HeldSun>("sun", &S::sun);
        const Fields settings = sunSettingsFields<S>() + Fields{{"skyFlag1", &S::skyFlag1}, {"skyFlag2", &S::skyFlag2}};
        const Field<S> skyGuid = Field<S>::with<NoCaseText>("skyGuid", &S::skyGuid);
        return ObjectLayout<S>{
            {"SkyTexture",
             1,
             {{sun},
              Fields{sun, {"transform", &S::transform, Form::AtTimeZero}} + settings + skyGuid,
              Fields{sun} + settings +
                  Fields{skyGuid, {"transform", &S::transform},
                         Field<S>::step<&S::readDefaultSun, &S::writeDefaultSun>("default sun"),
                         Field<S>::step<&S::readUsesDefaultSun, &S::writeUsesDefaultSun>("uses default sun")}}},
            {}};
    }();
    return layout;
}

}  // namespace

const ObjectLayout<SkyTexture>& SkyTexture::layout() { return skyLayout(); }

SkyTexture::SkyTexture() : sun(defaultSun()), skyGuid(newUuid()) {}

const SunLight* SkyTexture::heldSun() const { return dynamic_cast<const SunLight*>(sun.get()); }

std::shared_ptr<BaseTexture> SkyTexture::clone() const {
    auto copy = std::make_shared<SkyTexture>(*this);
    if (sun) copy->sun = sun->clone();
    copy->skyGuid = newUuid();
    return copy;
}

bool SkyTexture::readDefaultSun(RecordScope& owner, std::string*) {
    const uint64_t at = owner.archive().readPos();
    if (defaultSun()->deserialize(owner.archive())) return true;
    owner.markChildFailed(at);
    return owner.failAt(at, "default sun record rejected");
}

bool SkyTexture::writeDefaultSun(QuickArchive& ar) { return defaultSun()->serialize(ar); }

bool SkyTexture::readUsesDefaultSun(RecordScope& owner, std::string* text) {
    bool usesDefaultSun = false;
    owner.archive().readBool(usesDefaultSun);
    if (usesDefaultSun) sun = defaultSun();
    if (text) Codec<bool>::text(*text, usesDefaultSun);
    return true;
}

bool SkyTexture::writeUsesDefaultSun(QuickArchive& ar) {
    const SunLight* held = heldSun();
    ar.writeBool(held && equalsNoCase(held->sunGuid, defaultSun()->sunGuid));
    return true;
}

void SkyTexture::writeXML(AssetXmlWriter& w, const std::string& parentUrl) {
    std::string sunUrl = "/SunLight";
    if (sun) {
        sun->writeXML(w, "");
        if (const SunLight* held = heldSun()) {
            const auto written = w.assetsWrittenOnce().find(held->sunGuid);
            if (written != w.assetsWrittenOnce().end()) sunUrl = written->second;
        }
    }
    std::string url = parentUrl;
    appendAssetName(url);
    writeAssetFrame(w, {url, category(), "", url, pluginType()}, [&] { w.writePluginParam("sun", sun.get(), sunUrl); });
}

}  // namespace KilnCore
