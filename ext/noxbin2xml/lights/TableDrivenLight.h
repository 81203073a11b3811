// The operations every light with a record layout shares. A light class L
// derives from TableDrivenLight<L>, declares its fields with their defaults as
// members, and provides:
//   static constexpr int32_t kTypeId;
//   static constexpr std::string_view kPluginType, kClassName;
//   static const LightLayout<L>& layout();
#pragma once

#include <memory>
#include <string>

#include "lights/BaseLight.h"
#include "lights/LightFields.h"
#include "serial/AssetXmlWriter.h"

namespace KilnCore {

template <class L>
class TableDrivenLight : public BaseLight {
public:
    int32_t typeId() const override { return L::kTypeId; }
    std::string_view pluginType() const override { return L::kPluginType; }

    std::shared_ptr<BaseLight> clone() const override { return std::make_shared<L>(self()); }

    bool isEqual(const std::shared_ptr<BaseLight>& other) const override {
        const L* that = dynamic_cast<const L*>(other.get());
        return that && fieldsEqual(self(), *that, L::layout().allFields());
    }

    // The defaults are the members' initialisers.
    void reset() override { self() = L(); }

    bool serialize(QuickArchive& ar) override {
        const LightLayout<L>& layout = L::layout();
        ar.writeUInt32(versionWord(layout.newestVersion()));
        return writeFields(ar, self(), layout.allFields());
    }

    bool deserialize(QuickArchive& ar) override {
        RecordScope rec(ar, L::kClassName);
        reset();
        const LightLayout<L>& layout = L::layout();
        uint16_t version = 0;
        if (!rec.readVersion(version, 1, layout.newestVersion())) return false;
        return readFields(rec, self(), layout.records[version - 1]);
    }

    void writeXML(AssetXmlWriter& writer, const std::string& parentUrl) override {
        writeAsset(writer, parentUrl + "/" + std::string(L::kPluginType));
    }

protected:
    void writeAsset(AssetXmlWriter& writer, const std::string& url) {
        writer.beginAsset(url, category(), "");
        writer.beginPlugin(L::kPluginType, category());
        writer.beginParameters();
        writeParams(writer, self(), L::layout().parameters);
        writeExtraParameters(writer);
        writer.endParameters();
        writer.endPlugin();
        writer.endAsset();
    }

    // Parameters written after the listed ones that no field stands behind.
    virtual void writeExtraParameters(AssetXmlWriter&) {}

private:
    L& self() { return static_cast<L&>(*this); }
    const L& self() const { return static_cast<const L&>(*this); }
};

}  // namespace KilnCore
