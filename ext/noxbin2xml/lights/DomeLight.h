// A placeholder light without settings: its record is the bare version word.
// The factory never creates one.
#pragma once

#include "lights/BaseLight.h"

namespace KilnCore {

class DomeLight : public BaseLight {
public:
    static constexpr int32_t kTypeId = LightType::Dome;

    int32_t typeId() const override { return kTypeId; }
    void reset() override {}
    std::shared_ptr<BaseLight> clone() const override { return std::make_shared<DomeLight>(); }
    bool isEqual(const std::shared_ptr<BaseLight>& other) const override {
        return other && other->typeId() == kTypeId;
    }
    bool serialize(QuickArchive& ar) override;
    // Reads nothing: any record is accepted as it stands.
    bool deserialize(QuickArchive& ar) override;
};

}  // namespace KilnCore
