#include "textures/SkyTexture.h"

#include "lights/SunLight.h"
#include "serial/Fields.h"
#include "serial/Text.h"
#include "serial/Uuid.h"

namespace KilnCore {
namespace {

// The sun settings and the sky's two flags, in record order.
const FieldList<SkyTexture>& skySettings() {
    static const FieldList<SkyTexture> fields = sunSettingsFields<SkyTexture>() + FieldList<SkyTexture>{
        {"skyFlag1", &SkyTexture::skyFlag1}, {"skyFlag2", &SkyTexture::skyFlag2}};
    return fields;
}

}  // namespace

SkyTexture::SkyTexture() : sun(defaultSun()), skyGuid(newUuid()) {}

const SunLight* SkyTexture::heldSun() const { return dynamic_cast<const SunLight*>(sun.get()); }

std::shared_ptr<BaseTexture> SkyTexture::clone() const {
    auto copy = std::make_shared<SkyTexture>(*this);
    if (sun) copy->sun = sun->clone();
    copy->skyGuid = newUuid();
    return copy;
}

bool SkyTexture::isEqual(const std::shared_ptr<BaseTexture>& other) const {
    const auto* o = dynamic_cast<const SkyTexture*>(other.get());
    return o && equalsNoCase(skyGuid, o->skyGuid) && Codec<std::shared_ptr<BaseLight>>::equal(sun, o->sun) &&
           fieldsEqual(*this, *o, skySettings()) && transform.isEqual(o->transform);
}

// Version 3: the held sun behind a flag, the settings, the identifier, the
// transform, a full copy of the default sun, and whether the held sun is
// the default sun.
bool SkyTexture::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(3));
    const bool holdsSun = sun && sun->typeId() == LightType::Sun;
    ar.writeBool(holdsSun);
    if (holdsSun && !sun->serialize(ar)) return false;
    writeFields(*this, ar, skySettings());
    ar.writeWString(skyGuid);
    if (!transform.serialize(ar) || !defaultSun()->serialize(ar)) return false;
    const SunLight* held = heldSun();
    ar.writeBool(held && equalsNoCase(held->sunGuid, defaultSun()->sunGuid));
    return true;
}

bool SkyTexture::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "SkyTexture");
    const uint32_t word = rec.readVersionWord();
    reset();
    if (!rec.accept(word, 1, 3)) return false;
    const uint16_t version = recordVersion(word);

    bool holdsSun = false;
    ar.readBool(holdsSun);
    if (holdsSun) {
        // Kept even when its read fails part-way.
        sun = createLight(LightType::Sun);
        sun->deserialize(ar);
    }
    if (version == 1) return true;
    if (version == 2) {
        Transform placement;
        ar.readTransform(placement);
        transform.setValue(placement, 0.0);
    }
    readFields(*this, rec, skySettings());
    ar.readWString(skyGuid);
    if (version == 2) return true;

    if (!transform.deserialize(ar)) return rec.fail("transform rejected");
    // The record carries the default sun's settings; they replace the
    // process-wide sun's own.
    if (!defaultSun()->deserialize(ar)) return rec.fail("default sun rejected");
    bool usesDefaultSun = false;
    ar.readBool(usesDefaultSun);
    if (usesDefaultSun) sun = defaultSun();
    return true;
}

void SkyTexture::writeXML(AssetXmlWriter& w, const std::string& parentUrl) {
    std::string sunUrl = "/SunLight";
    if (sun) {
        sun->writeXML(w, "");
        if (const SunLight* held = heldSun()) {
            const auto written = w.sunTable().find(held->sunGuid);
            if (written != w.sunTable().end()) sunUrl = written->second;
        }
    }
    std::string url = parentUrl;
    appendAssetName(url);
    writeAssetFrame(w, {url, category(), "", url, pluginType()}, [&] { w.writePluginParam("sun", sun.get(), sunUrl); });
}

}  // namespace KilnCore
