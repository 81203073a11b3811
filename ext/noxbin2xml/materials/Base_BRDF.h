// The BRDF family base.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "serial/Children.h"
#include "serial/Serializable.h"

namespace KilnCore {

class Base_BRDF : public TessarSerializable, public TessarXMLSerializable {
public:
    static constexpr const char* kFamilyNoun = "BRDF";

    std::string name;  // last part of the BRDF's asset URL; defaults to the plugin type
    bool flag1 = true;  // the flags are kept in the record only
    bool flag2 = false;
    bool flag3 = false;

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
    void resetBase();
    // The base record every BRDF record carries (version 4: name and three flags).
    bool writeBaseRecord(QuickArchive& archive) const;
    bool readBaseRecord(QuickArchive& archive);
};

std::shared_ptr<Base_BRDF> createBRDF(int32_t id);
inline std::shared_ptr<Base_BRDF> create(int32_t id, FamilyTag<Base_BRDF>) { return createBRDF(id); }

}  // namespace KilnCore
