// The sun of a physical sky. Every sun carries an identifier, so that a
// document writes each sun once however many lights and skies refer to it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "animated/AnimatedValues.h"
#include "lights/RecordLight.h"
#include "lights/SunSettings.h"
#include "serial/Uuid.h"

namespace KilnCore {

class SunLight : public RecordLight<SunLight>, public SunSettings {
public:
    static constexpr int32_t kTypeId = LightType::Sun;
    static constexpr std::string_view kPluginType = "SunLight";
    static const LightLayout<SunLight>& layout();

    SunLight() = default;
    // A sun with a given identity (the other settings at their defaults).
    SunLight(std::string guid, std::string name);

    AnimatedTransform transform;
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

// The sun skies fall back to, one per scene. Scene records may change its
// settings, never its identity.
constexpr std::string_view kDefaultSunGuid = "{D3BE9766-E4AA-418b-81A9-23414A2BA98D}";
constexpr std::string_view kDefaultSunName = "Default";
struct DefaultSun {
    std::shared_ptr<SunLight> sun =
        std::make_shared<SunLight>(std::string(kDefaultSunGuid), std::string(kDefaultSunName));
    // Every setting back to its default; skies holding the sun keep it.
    void reset() { *sun = SunLight(std::string(kDefaultSunGuid), std::string(kDefaultSunName)); }
};
// The default sun of the scene at work (serial/InUse.h).
const std::shared_ptr<SunLight>& defaultSun();

}  // namespace KilnCore
