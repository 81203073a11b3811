#include "lights/BaseLight.h"

namespace KilnCore {
namespace {

const std::array<FactoryEntry<BaseLight>, 0> kLights{};

}  // namespace

std::shared_ptr<BaseLight> createLight(int32_t id) { return createFromTable(kLights, id); }

}  // namespace KilnCore
