#include "textures/SkyTexture.h"

#include "lights/SunLight.h"
#include "serial/Text.h"
#include "serial/Uuid.h"
#include "textures/TextureFields.h"

namespace KilnCore {

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
    return o && equalsNoCase(skyGuid, o->skyGuid) && field_io::sameChild(sun, o->sun) &&
           settingsOf(*this) == settingsOf(*o) && transform.isEqual(o->transform);
}

// Version 3: the held sun behind a flag, the settings, the identifier, the
// transform, a full copy of the default sun, and whether the held sun is
// the default sun.
bool SkyTexture::serialize(QuickArchive& ar) {
    ar.writeUInt32(versionWord(3));
    const bool holdsSun = sun && sun->typeId() == BaseLight::kSunLightTypeId;
    ar.writeBool(holdsSun);
    if (holdsSun && !sun->serialize(ar)) return false;
    std::apply([&](const auto&... value) { (field_io::write(ar, value), ...); }, settingsOf(*this));
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
        sun = createLight(BaseLight::kSunLightTypeId);
        sun->deserialize(ar);
    }
    if (version == 1) return true;
    if (version == 2) {
        Transform placement;
        ar.readTransform(placement);
        transform.setValue(placement, 0.0);
    }
    std::apply([&](auto&... value) { (field_io::read(ar, value), ...); }, settingsOf(*this));
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
    writeTextureAsset(w, joinUrl(parentUrl, pluginType()), *this,
                      [&] { w.writePluginParam("sun", sun.get(), sunUrl); });
}

}  // namespace KilnCore
