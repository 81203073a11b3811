#include <gtest/gtest.h>

#include "Golden.h"

#include <map>

#include "options/AllOptions.h"
#include "scene/SkpModule.h"
#include "serial/AssetXmlWriter.h"
#include "serial/QuickArchive.h"
#include "textures/BaseTexture.h"

using namespace KilnCore;

namespace {

// A texture that writes one marker asset, standing in for the real ones.
struct MarkerTexture : BaseTexture {
    bool serialize(QuickArchive& ar) override {
        ar.writeUInt32(0x00010000);
        return true;
    }
    bool deserialize(QuickArchive&) override { return true; }
    void reset() override {}
    int32_t typeId() const override { return 4; }
    std::shared_ptr<BaseTexture> clone() const override { return nullptr; }
    bool isEqual(const std::shared_ptr<BaseTexture>&) const override { return false; }
    void writeXML(AssetXmlWriter& w, const std::string& url) override {
        w.beginAsset(url + "/TexMarker", "texture", "");
        w.endAsset();
    }
    std::string_view pluginType() const override { return "TexMarker"; }
};

// The parameters of one settings group by name; a colour is "r,g,b", a list
// "a,b", an empty reference "".
std::map<std::string, std::string> valueMap(const std::string& doc, const std::string& group) {
    const size_t start = doc.find("<kilnplugin name=\"" + group + "\"");
    std::map<std::string, std::string> values;
    for (const std::string& item : paramSummary(doc.substr(start, doc.find("</kilnplugin>", start) - start)))
        values[item.substr(0, item.find(':'))] = item.substr(item.find('=') + 1);
    return values;
}

std::string documentOf(AllOptions& options) {
    std::string text;
    AssetXmlWriter writer(text);
    options.writeXML(writer, "");
    return text;
}

// The text of the "Assets" element that holds the named group.
std::string groupElement(const std::string& doc, const std::string& group) {
    const size_t asset = doc.find("url=\"/" + group + "\"");
    const size_t start = doc.rfind("    <Assets>\n", asset);
    return doc.substr(start, doc.find("    </Assets>\n", asset) + 14 - start);
}

}  // namespace

// The default document: an outer Assets element holding one Assets element
// per settings group, in a fixed order, with the defaults of the container,
// the frame and the overridden renderer values.
TEST(OptionsDocument, FreshModuleWritesTheDefaultDocument) {
    EXPECT_EQ(SkpModule().optionsXml(), golden("default-options.xml"));
}

TEST(OptionsDocument, FilterTypesOneAndTwoAreExchanged) {
    AllOptions options;
    for (const auto& [stored, written] : {std::pair{1, "2"}, {2, "1"}, {5, "5"}, {0, "0"}}) {
        options.imageFilterType = stored;
        EXPECT_EQ(valueMap(documentOf(options), "SettingsImageFilter").at("type"), written);
    }
}

TEST(OptionsDocument, ContainerValuesReachTheirParameters) {
    AllOptions options;
    options.renderChannels = {100, 133, 134, 99};
    options.rawImagePath = "C:\\out\\a&b.kimg";
    options.lightCacheAutoSavePath = std::string(FieldSpec::kPathMaxUnits, 'p');
    options.physicalCamera.focal_length.setValue(80.0f, 1.0);  // only time 0 is written
    options.physicalCamera.focus_distance.setValue(120.0f, 0.0);
    options.params.photonMap_auto_search_distance = 0;
    const std::string doc = documentOf(options);

    EXPECT_EQ(valueMap(doc, "SettingsRenderChannels").at("channel_names"), "Atmosphere,SSS2,,");
    EXPECT_EQ(valueMap(doc, "SettingsOutput").at("kilnimg_file"), "C:\\out\\a&amp;b.kimg");
    EXPECT_EQ(valueMap(doc, "SettingsLightCache").at("auto_save_file"), options.lightCacheAutoSavePath);
    EXPECT_EQ(valueMap(doc, "CameraPhysical").at("focal_length"), "40");
    EXPECT_EQ(valueMap(doc, "CameraPhysical").at("focus_distance"), "120");
    const auto photons = valueMap(doc, "SettingsPhotonMap");
    EXPECT_EQ(photons.at("search_distance_toggle"), "0");
    EXPECT_EQ(photons.at("auto_search_distance"), "0");
}

TEST(OptionsDocument, EnvironmentTextureSlots) {
    AllOptions options;
    EnvironmentSlot& gi = options.globalIllumination;
    gi.texture = std::make_shared<MarkerTexture>();
    gi.colorMult = 2.0f;
    gi.textureMult = 3.0f;
    options.background.colorMult = 4.0f;
    options.background.textureMult = 5.0f;
    std::string doc;
    AssetXmlWriter writer(doc);
    writer.beginElement("Assets");
    options.writeXML(writer, "/Scene");
    writer.endElement("Assets");

    const std::string element = groupElement(doc, "Scene/SettingsEnvironment");
    EXPECT_EQ(element.rfind("    <Assets>\n"
                            "      <Asset layout=\"\" renderer=\"kiln\" type=\"texture\" "
                            "url=\"/Scene/SettingsEnvironment/gi_texture/TexMarker\" >\n"
                            "      </Asset>\n"
                            "      <Asset layout=\"\" renderer=\"kiln\" type=\"settings\" "
                            "url=\"/Scene/SettingsEnvironment\" >\n",
                            0),
              0u);
    const auto values = valueMap(doc, "SettingsEnvironment");
    EXPECT_EQ(values.at("gi_tex"), "/Scene/SettingsEnvironment/gi_texture/TexMarker");
    EXPECT_EQ(values.at("gi_mult"), "3");
    EXPECT_EQ(values.at("bg_tex"), "");
    EXPECT_EQ(values.at("bg_mult"), "4");

    // In the record a set slot is its presence byte, type id and record.
    QuickArchive with, without;
    ASSERT_TRUE(options.serialize(with));
    gi.texture.reset();
    ASSERT_TRUE(options.serialize(without));
    EXPECT_EQ(with.writePos(), without.writePos() + 8);
}

// A background texture whose read fails stays in its slot with what it read:
// the failed scene's document holds its asset, and the environment refers to it.
TEST(OptionsDocument, FailedEnvironmentTextureStaysInItsSlot) {
    AllOptions defaults;  // its nested records read back as the defaults
    QuickArchive ar;
    ar.writeUInt32(0x00010000);  // scene kind 1
    ar.writeUInt32(0x00000001);  // options, version 0
    defaults.params.serialize(ar);
    defaults.frameData.serialize(ar);
    defaults.stampInfo.serialize(ar);
    ar.writeBool(true);
    ar.writeInt32(1);  // a Fresnel texture, version 2
    ar.writeUInt32(0x00020000);
    ar.writeColor({0.5f, 0.25f, 1.0f});
    ar.writeColor({0.125f, 0.0f, 0.75f});
    for (float value : {2.0f, 1.25f, 1.5f, 2.5f, 3.0f, 3.5f}) ar.writeFloat(value);
    ar.writeBool(true);
    ar.writeInt32(99);  // its first texture slot names no texture type
    SkpModule module;
    EXPECT_FALSE(module.deserialize(ar));

    std::string expected = golden("default-options.xml");
    const std::string environment = groupElement(expected, "SettingsEnvironment");
    expected.replace(expected.find(environment), environment.size(), golden("failed-environment-texture.xml"));
    EXPECT_EQ(module.optionsXml(), expected);
}

TEST(OptionsDocument, FrameDataAsset) {
    TessarFrameData frame;
    frame.worldToCam.offset[0] = 1e10;
    frame.fieldMask = 2;
    std::string doc;
    AssetXmlWriter writer(doc);
    frame.writeXML(writer, "/X");
    EXPECT_EQ(doc, golden("frame-data.xml"));
}
