// The environment texture of a physical sky. It points to a sun (by default
// the process-wide default sun) instead of owning one, and its XML refers
// to the sun by the URL the document wrote that sun under, so that skies
// and sun lights share one sun asset.
#pragma once

#include <string>

#include "animated/AnimatedValues.h"
#include "lights/BaseLight.h"
#include "lights/SunSettings.h"
#include "serial/Types.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

class SunLight;

// The sky carries settings for its sun (SunSettings) besides the sun itself.
class SkyTexture final : public BaseTexture, public SunSettings {
public:
    static constexpr int32_t kTypeId = TextureType::Sky;

    std::shared_ptr<BaseLight> sun;  // the default sun unless a record says otherwise
    AnimatedTransform transform;
    bool skyFlag1 = true;
    bool skyFlag2 = false;
    std::string skyGuid;  // a new identifier on every reset

    SkyTexture();
    void reset() override { *this = SkyTexture(); }
    int32_t typeId() const override { return kTypeId; }
    // A new identifier and a sun of its own (a copy of the held one).
    std::shared_ptr<BaseTexture> clone() const override;
    bool isEqual(const std::shared_ptr<BaseTexture>& other) const override;

    bool serialize(QuickArchive& archive) override;
    bool deserialize(QuickArchive& archive) override;

    // Lets the sun write itself (once per document), then the sky, whose
    // only parameter refers to that sun.
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;
    std::string_view pluginType() const override { return "TexSky"; }

private:
    // The held sun, when it is a sun light.
    const SunLight* heldSun() const;
};

}  // namespace KilnCore
