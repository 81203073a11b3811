// The BRDF family base.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "serial/Children.h"
#include "serial/Serializable.h"

namespace KilnCore {

// BRDF type identifiers: distinct powers of two.
namespace BrdfType {
constexpr int32_t Glass = 1;
constexpr int32_t Diffuse = 2;
constexpr int32_t Blinn = 4;
constexpr int32_t Phong = 8;
constexpr int32_t Mirror = 16;
constexpr int32_t Light = 32;
}  // namespace BrdfType

// What the base record of every BRDF holds.
struct BrdfBaseFields {
    std::string name;  // last part of the BRDF's asset URL; defaults to the plugin type
    bool flag1 = true;  // the flags are kept in the record only
    bool flag2 = false;
    bool flag3 = false;
};

class Base_BRDF : public TessarSerializable, public TessarXMLSerializable, public BrdfBaseFields {
public:
    static constexpr const char* kFamilyNoun = "BRDF";

    virtual int32_t typeId() const = 0;
    virtual void reset() = 0;
    virtual std::shared_ptr<Base_BRDF> clone() const = 0;
    virtual bool isEqual(const std::shared_ptr<Base_BRDF>& other) const = 0;
    std::string_view category() const override { return "BRDF"; }
    // A BRDF's asset is named after the BRDF.
    void appendAssetName(std::string& url) const override {
        url += '/';
        url += name;
    }

    // Name and flags back to their defaults.
    void resetBase() { static_cast<BrdfBaseFields&>(*this) = BrdfBaseFields{std::string(pluginType())}; }

    // The base record every BRDF record carries (version 4: name and three
    // flags), as a step of the BRDF's record: a failed base record fails the
    // read once the fields after it are read. Control characters are removed
    // from the name whatever the result.
    bool readBase(RecordScope& owner, std::string* text);
    bool writeBase(QuickArchive& archive);
};

std::shared_ptr<Base_BRDF> createBRDF(int32_t id);
inline std::shared_ptr<Base_BRDF> create(int32_t id, FamilyTag<Base_BRDF>) { return createBRDF(id); }

}  // namespace KilnCore
