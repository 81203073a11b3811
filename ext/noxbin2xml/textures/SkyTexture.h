// The environment texture of a physical sky. It points to a sun (by default
// the process-wide default sun) instead of owning one, and its XML refers
// to the sun by the URL the document wrote that sun under, so that skies
// and sun lights share one sun asset.
#pragma once

#include <string>
#include <tuple>

#include "animated/AnimatedValues.h"
#include "lights/BaseLight.h"
#include "serial/Types.h"
#include "textures/BaseTexture.h"

namespace KilnCore {

class SunLight;

class SkyTexture final : public BaseTexture {
public:
    static constexpr int32_t kTypeId = 12;

    std::shared_ptr<BaseLight> sun;  // the default sun unless a record says otherwise
    AnimatedTransform transform;
    Vector3 up_vector{0.0f, 0.0f, 1.0f};
    float shadowBias = 0.0f;
    float turbidity = 3.0f;
    float water_vapour = 2.0f;
    float intensity_multiplier = 1.0f;
    float size_multiplier = 1.0f;
    float photon_radius = 50.0f;
    float photon_emit_distance = 150.0f;
    float ozone = 0.35f;
    int32_t photonSubdivs = 500;
    int32_t causticSubdivs = 1000;
    int32_t shadow_subdivs = 8;
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
    // The settings in record order, as references into `sky`.
    template <class Sky>
    static auto settingsOf(Sky& sky) {
        return std::tie(sky.up_vector, sky.shadowBias, sky.turbidity, sky.water_vapour, sky.intensity_multiplier,
                        sky.size_multiplier, sky.photon_radius, sky.photon_emit_distance, sky.ozone, sky.photonSubdivs,
                        sky.causticSubdivs, sky.shadow_subdivs, sky.skyFlag1, sky.skyFlag2);
    }
    // The held sun, when it is a sun light.
    const SunLight* heldSun() const;
};

}  // namespace KilnCore
