// The light family base.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "serial/Children.h"
#include "serial/Serializable.h"

namespace KilnCore {

// Light type identifiers, as records and convert_light give them. Id 1 (a
// positional direct light) has no class.
namespace LightType {
constexpr int32_t MayaDirect = 0;
constexpr int32_t Omni = 2;
constexpr int32_t Rectangle = 3;
constexpr int32_t Spot = 4;
constexpr int32_t Sun = 5;
constexpr int32_t IES = 6;
constexpr int32_t Sphere = 7;
constexpr int32_t Dome = 8;
}  // namespace LightType

class BaseLight : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "light";

    virtual int32_t typeId() const = 0;
    virtual std::shared_ptr<BaseLight> clone() const = 0;
    // False for an empty pointer or another kind of light, else whether every
    // stored field is equal.
    virtual bool isEqual(const std::shared_ptr<BaseLight>& other) const = 0;
    virtual void reset() = 0;

    // A light without a plugin of its own writes no XML.
    void writeXML(AssetXmlWriter&, const std::string&) override {}
    std::string_view pluginType() const override { return {}; }
    std::string_view category() const override { return "light"; }
};

// A new light with its defaults for ids 0 and 2 to 7; empty for any other id.
std::shared_ptr<BaseLight> createLight(int32_t id);
inline std::shared_ptr<BaseLight> create(int32_t id, FamilyTag<BaseLight>) { return createLight(id); }

// The display name of a light type, ids 0 to 8 ("Invalid Light" for 8);
// empty for any other id.
std::string_view lightTypeName(int32_t id);

}  // namespace KilnCore
