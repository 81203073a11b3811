// The sun of a physical sky. Every sun carries an identifier, so that a
// document writes each sun once however many lights and skies refer to it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "lights/TableDrivenLight.h"
#include "serial/Uuid.h"

namespace KilnCore {

class SunLight : public TableDrivenLight<SunLight> {
public:
    static constexpr int32_t kTypeId = 5;
    static constexpr std::string_view kPluginType = "SunLight";
    static constexpr std::string_view kClassName = "SunLight";
    static const LightLayout<SunLight>& layout();

    SunLight() = default;
    // A sun with a given identity (the other settings at their defaults).
    SunLight(std::string guid, std::string name);

    AnimatedTransform transform;
    Vector3 up_vector{0, 0, 1};
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
    bool shadows = true;
    bool enabled = true;
    bool invisible = false;
    std::string sunGuid = newUuid();  // a new identifier on every reset
    std::string sunName;

    // Writes the sun once per document, whatever the parent: the first sun
    // under "/SunLight", the next ones under "/SunLight1", "/SunLight2", ...
    // The writer's sun table records the URL of each.
    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override;
    // A sun is written once per document; a reference to it is the URL it
    // was written under, which its owner passes as the base.
    void appendAssetName(std::string&) const override {}
};

// The sun skies fall back to: one for the whole process, created when the
// module is loaded and never destroyed. Scene records may change its settings.
constexpr std::string_view kDefaultSunGuid = "{D3BE9766-E4AA-418b-81A9-23414A2BA98D}";
constexpr std::string_view kDefaultSunName = "Default";
const std::shared_ptr<SunLight>& defaultSun();

}  // namespace KilnCore
