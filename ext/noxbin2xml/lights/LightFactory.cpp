#include <array>

#include "lights/IESLight.h"
#include "lights/MayaDirectLight.h"
#include "lights/OmniLight.h"
#include "lights/RectangleLight.h"
#include "lights/SphereLight.h"
#include "lights/SpotLight.h"
#include "lights/SunLight.h"

namespace KilnCore {
namespace {

// Id 1 (a positional direct light) has no class; a dome light is never read
// from a record.
const std::array<FactoryEntry<BaseLight>, 7> kLights{{
    {MayaDirectLight::kTypeId, makeDefault<MayaDirectLight, BaseLight>},
    {OmniLight::kTypeId, makeDefault<OmniLight, BaseLight>},
    {RectangleLight::kTypeId, makeDefault<RectangleLight, BaseLight>},
    {SpotLight::kTypeId, makeDefault<SpotLight, BaseLight>},
    {SunLight::kTypeId, makeDefault<SunLight, BaseLight>},
    {IESLight::kTypeId, makeDefault<IESLight, BaseLight>},
    {SphereLight::kTypeId, makeDefault<SphereLight, BaseLight>},
}};

constexpr std::array<std::string_view, 9> kLightTypeNames = {
    "Infinite Direct Light", "Positional Direct Light", "Omni Light", "Rectangle Light", "Spot Light",
    "Sun Light",             "IES Light",               "Sphere Light", "Invalid Light"};

}  // namespace

std::shared_ptr<BaseLight> createLight(int32_t id) { return createFromTable(kLights, id); }

std::string_view lightTypeName(int32_t id) {
    if (id < 0 || id >= static_cast<int32_t>(kLightTypeNames.size())) return {};
    return kLightTypeNames[static_cast<size_t>(id)];
}

}  // namespace KilnCore
