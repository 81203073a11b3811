#include <gtest/gtest.h>

#include "Golden.h"

#include <cstring>
#include <functional>
#include <map>

#include "options/AllOptions.h"
#include "RecordBuilder.h"
#include "scene/SkpModule.h"
#include "serial/ReadTrace.h"
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

// Every number of the options record, nested records included, is given a
// value of its own, and every path a text of its own: the document then shows
// which parameter each member reaches, so no two members can be swapped.
TEST(OptionsDocument, EveryMemberReachesItsOwnParameter) {
    QuickArchive written;
    ASSERT_TRUE(AllOptions().serialize(written));
    std::vector<uint8_t> bytes = bytesOf(written);
    QuickArchive probe(bytes.data(), bytes.size());
    ReadTrace trace;
    probe.setTrace(&trace);
    ASSERT_TRUE(AllOptions().deserialize(probe));
    int k = 0;
    const auto put = [&](uint64_t at, auto value) { std::memcpy(&bytes[at], &value, sizeof value); };
    std::function<void(const ReadTrace::Node&)> distinct = [&](const ReadTrace::Node& node) {
        for (const ReadTrace::FieldRead& f : node.fields) {
            ++k;
            if (f.type == "int32") put(f.offset, int32_t(1000 + k));
            if (f.type == "float64") put(f.offset, k + 0.25);
            if (f.type == "float32" || f.type == "color" || f.type == "transform")
                for (uint64_t at = f.offset; at < f.offset + f.size; at += 4) put(at, float(k++) + 0.5f);
        }
        for (const auto& child : node.children) distinct(*child);
    };
    distinct(*trace.records().front());
    QuickArchive in(bytes.data(), bytes.size());
    AllOptions options;
    ASSERT_TRUE(options.deserialize(in));
    for (std::string* path : {&options.outputImagePath, &options.rawImagePath, &options.irradianceMapPath,
                              &options.irradianceMapAutoSavePath, &options.lightCachePath,
                              &options.lightCacheAutoSavePath, &options.photonMapPath, &options.photonMapAutoSavePath,
                              &options.causticsPath, &options.causticsAutoSavePath, &options.drFolder})
        *path = "path" + std::to_string(k++);
    options.renderChannels = {100, 133, 134, 99};  // names for known ids only
    EXPECT_EQ(documentOf(options), golden("distinct-options.xml"));
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
