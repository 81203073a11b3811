// The two interfaces every scene object implements: its binary record and
// its XML assets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace KilnCore {

class QuickArchive;

class TessarSerializable {
public:
    virtual ~TessarSerializable() = default;
    // Appends the object's record (newest version) at the write position.
    virtual bool serialize(QuickArchive& archive) = 0;
    // Reads a record of any accepted version from the read position.
    virtual bool deserialize(QuickArchive& archive) = 0;
};

// The high half of a version word is the record version, the low half its tag.
inline uint16_t recordVersion(uint32_t word) { return static_cast<uint16_t>(word >> 16); }
inline uint16_t recordTag(uint32_t word) { return static_cast<uint16_t>(word & 0xFFFF); }
constexpr uint32_t versionWord(uint16_t version, uint16_t tag = 0) {
    return (static_cast<uint32_t>(version) << 16) | tag;
}

}  // namespace KilnCore

class AssetXmlWriter;

class TessarXMLSerializable {
public:
    virtual ~TessarXMLSerializable() = default;
    // Writes the object's asset(s): children first, then its own asset.
    virtual void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) = 0;
    // The renderer plugin type written in the kilnplugin element.
    virtual std::string_view pluginType() const = 0;
    // "material", "BRDF", "texture", "bitmap", "uvw", "light" or "settings".
    virtual std::string_view category() const = 0;
    // Appends to the URL an owner hands the object the part that names the
    // object's own asset: "/" and the plugin type unless the family says
    // otherwise. A reference to the object is that URL.
    virtual void appendAssetName(std::string& url) const {
        url += '/';
        url += pluginType();
    }
};
