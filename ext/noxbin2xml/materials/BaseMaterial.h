// The material family base.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "serial/Children.h"
#include "serial/Serializable.h"

namespace KilnCore {

class BaseMaterial : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "material";

    std::string name;  // key in the material library, last part of the asset URL
    std::string uuid;  // when set, the library files the material under it

    virtual int32_t typeId() const = 0;
    virtual void reset() = 0;
    // A copy whose name is made unique in the library.
    virtual std::shared_ptr<BaseMaterial> duplicate() const = 0;
    // A copy keeping the same name.
    virtual std::shared_ptr<BaseMaterial> copy() const = 0;
    // Same type and equal class fields; name and uuid are not compared.
    virtual bool isEqual(const std::shared_ptr<BaseMaterial>& other) const = 0;
    std::string_view category() const override { return "material"; }
};

std::shared_ptr<BaseMaterial> createMaterial(int32_t id);
inline std::shared_ptr<BaseMaterial> create(int32_t id, FamilyTag<BaseMaterial>) { return createMaterial(id); }

}  // namespace KilnCore
