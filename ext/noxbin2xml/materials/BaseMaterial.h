// The material family base: name, identifier and the base record every
// material record carries.
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
    static constexpr const char* kDefaultName = "DefaultMaterial";

    std::string name;  // key in the material library, last part of the asset URL
    std::string uuid;  // when set, the library files the material under it

    // A free default name from the material library.
    BaseMaterial();
    // Copies take the name only: a copy has no identifier of its own, and
    // assignment keeps the identifier it had.
    BaseMaterial(const BaseMaterial& other);
    BaseMaterial& operator=(const BaseMaterial& other);

    virtual int32_t typeId() const = 0;
    virtual void reset() = 0;
    // A copy whose name is made unique in the library.
    virtual std::shared_ptr<BaseMaterial> duplicate() const = 0;
    // A copy keeping the same name.
    virtual std::shared_ptr<BaseMaterial> copy() const = 0;
    // Same type and equal class fields; name and uuid are not compared.
    virtual bool isEqual(const std::shared_ptr<BaseMaterial>& other) const = 0;
    std::string_view category() const override { return "material"; }
    // A material's asset is named after the material.
    void appendAssetName(std::string& url) const override {
        url += '/';
        url += name;
    }

    // A free default name and no identifier.
    void resetBase();
    // The base record (version 2: name and identifier).
    bool writeBaseRecord(QuickArchive& archive) const;
    // Reads the base record: an empty name becomes a free default name, and
    // control characters are removed from the name whatever the result.
    bool readBaseRecord(QuickArchive& archive);
    // The name that old records carry inline; `makeUnique` replaces it by a
    // free name from the library (an empty one by a free default name).
    void readInlineName(RecordScope& rec, bool makeUnique);
};

std::shared_ptr<BaseMaterial> createMaterial(int32_t id);
inline std::shared_ptr<BaseMaterial> create(int32_t id, FamilyTag<BaseMaterial>) { return createMaterial(id); }

}  // namespace KilnCore
