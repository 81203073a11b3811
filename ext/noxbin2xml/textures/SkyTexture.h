// The environment texture of a physical sky. It points to a sun (by default
// the process-wide default sun) instead of owning one, and its XML refers
// to the sun by the URL the document wrote that sun under, so that skies
// and sun lights share one sun asset.
#pragma once

#include <string>

#include "animated/AnimatedValues.h"
#include "lights/BaseLight.h"
#include "lights/SunSettings.h"
#include "serial/RecordObject.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

class SunLight;

// The sky carries settings for its sun (SunSettings) besides the sun itself.
class SkyTexture final : public RecordObject<SkyTexture, BaseTexture>, public SunSettings {
public:
    static constexpr int32_t kTypeId = TextureType::Sky;
    static constexpr std::string_view kPluginType = "TexSky";
    static const ObjectLayout<SkyTexture>& layout();

    std::shared_ptr<BaseLight> sun;  // the default sun unless a record says otherwise
    AnimatedTransform transform;
    bool skyFlag1 = true;
    bool skyFlag2 = false;
    std::string skyGuid;  // a new identifier on every reset

    SkyTexture();
    // A new identifier and a sun of its own (a copy of the held one).
    std::shared_ptr<BaseTexture> clone() const override;

    // Lets the sun write itself (once per document), then the sky, whose
    // only parameter refers to that sun.
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;

    // The newest record ends with a full copy of the default sun, whose
    // settings a read gives the process-wide sun, and whether the sky's sun
    // is the default sun.
    bool readDefaultSun(RecordScope& owner, std::string* text);
    bool writeDefaultSun(QuickArchive& archive);
    bool readUsesDefaultSun(RecordScope& owner, std::string* text);
    bool writeUsesDefaultSun(QuickArchive& archive);

private:
    // The held sun, when it is a sun light.
    const SunLight* heldSun() const;
};

}  // namespace KilnCore
