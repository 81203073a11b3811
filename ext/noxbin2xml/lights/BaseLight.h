// The light family base.
#pragma once

#include <cstdint>
#include <memory>

#include "serial/Children.h"
#include "serial/Serializable.h"

namespace KilnCore {

class BaseLight : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "light";
    static constexpr int32_t kSunLightTypeId = 5;

    virtual int32_t typeId() const = 0;
    virtual std::shared_ptr<BaseLight> clone() const = 0;
    virtual bool isEqual(const std::shared_ptr<BaseLight>& other) const = 0;
    virtual void reset() = 0;
    std::string_view category() const override { return "light"; }
};

std::shared_ptr<BaseLight> createLight(int32_t id);
inline std::shared_ptr<BaseLight> create(int32_t id, FamilyTag<BaseLight>) { return createLight(id); }

}  // namespace KilnCore
