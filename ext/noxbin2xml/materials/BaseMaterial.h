// The material family base: name, identifier and the base record every
// material record carries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "serial/Children.h"
#include "serial/Serializable.h"

namespace KilnCore {

// Material type identifiers, as records and convert_material give them.
namespace MaterialType {
constexpr int32_t SingleBRDF = 0;
constexpr int32_t Layered = 1;
constexpr int32_t Multi = 2;
constexpr int32_t Bump = 3;
constexpr int32_t Instance = 4;
constexpr int32_t TwoSided = 5;
constexpr int32_t Linked = 6;
constexpr int32_t SkpTwoSided = 7;
constexpr int32_t OverrideEnvironment = 8;
constexpr int32_t Displaced = 9;
constexpr int32_t ObjectExclusion = 10;
constexpr int32_t AlphaContribution = 11;
constexpr int32_t AngleBlend = 12;
constexpr int32_t Reference = 13;
constexpr int32_t Toon = 14;
}  // namespace MaterialType

class BaseMaterial : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "material";
    static constexpr const char* kDefaultName = "DefaultMaterial";

    std::string name;  // key in the material library, last part of the asset URL
    std::string uuid;  // when set, the library files the material under it

    // The default name; the factory (createMaterial) gives a free one.
    BaseMaterial();
    // Copies take the name only: a copy has no identifier of its own.
    BaseMaterial(const BaseMaterial& other);
    // Assignment copies a material's own fields and keeps the name and
    // identifier the material has.
    BaseMaterial& operator=(const BaseMaterial&) { return *this; }

    virtual int32_t typeId() const = 0;
    virtual void reset() = 0;
    // A copy whose name is made unique in the library.
    virtual std::shared_ptr<BaseMaterial> duplicate() const = 0;
    // A copy keeping the same name.
    virtual std::shared_ptr<BaseMaterial> clone() const = 0;
    // Same type and equal class fields; name and uuid are not compared.
    virtual bool isEqual(const std::shared_ptr<BaseMaterial>& other) const = 0;
    // The materials this one is made of, one by one (lists aside), in
    // record order: what a search through a material descends into.
    virtual std::vector<std::shared_ptr<BaseMaterial>> parts() const { return {}; }
    std::string_view category() const override { return "material"; }
    // A material's asset is named after the material.
    void appendAssetName(std::string& url) const override {
        url += '/';
        url += name;
    }

    // A free default name and no identifier.
    void resetBase();

    // The steps of a material record that are no field of the class:
    // the base record (version 2: name and identifier), which comes last in
    // most records; a failed base record fails the read once the fields
    // after it are read. An empty name read becomes a free default name, and
    // control characters are removed from the name whatever the result.
    bool readBase(RecordScope& owner, std::string* text);
    bool writeBase(QuickArchive& archive);
    // The name that old records carry inline: kept as read, or replaced by
    // a free name from the library (an empty one by a free default name).
    bool readKeptName(RecordScope& owner, std::string* text);
    bool readUniqueName(RecordScope& owner, std::string* text);
    bool writeName(QuickArchive& archive);
};

std::shared_ptr<BaseMaterial> createMaterial(int32_t id);
inline std::shared_ptr<BaseMaterial> create(int32_t id, FamilyTag<BaseMaterial>) { return createMaterial(id); }

// Copies of sub-materials: duplicates (unique names) for a duplicate of
// their owner, copies otherwise.
inline std::shared_ptr<BaseMaterial> copyOf(const std::shared_ptr<BaseMaterial>& material, bool duplicate) {
    return !material ? material : duplicate ? material->duplicate() : material->clone();
}

}  // namespace KilnCore
