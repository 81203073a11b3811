#include <gtest/gtest.h>

#include "Golden.h"

#include <map>
#include <sstream>

#include "options/AllOptions.h"
#include "options/SkpModule.h"
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

std::string trimmed(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? "" : line.substr(first);
}

std::string between(const std::string& text, const std::string& open, const std::string& close) {
    const size_t start = text.find(open) + open.size();
    return text.substr(start, text.find(close, start) - start);
}

// The parameters of one settings group as "name=value" items in order; a
// colour is "r,g,b" (a transform its twelve numbers), a list "a|b", an
// empty reference "".
std::vector<std::string> groupValues(const std::string& doc, const std::string& group) {
    std::vector<std::string> items;
    std::istringstream in(doc);
    std::string line, name, value;
    bool inGroup = false;
    while (std::getline(in, line)) {
        const std::string t = trimmed(line);
        if (t.rfind("<kilnplugin ", 0) == 0) inGroup = between(t, "name=\"", "\"") == group;
        if (!inGroup) continue;
        if (t.rfind("<parameter ", 0) == 0) {
            name = between(t, "name=\"", "\"");
            value.clear();
        } else if (t.rfind("<value>", 0) == 0 && t.find("</value>") != std::string::npos) {
            value = between(t, "<value>", "</value>");
        } else if (t[0] == '<' && t.size() > 3 && t[2] == '>' && t[3] != '/') {  // <r>, <x>: colour and vector parts
            value += (value.empty() ? "" : ",") + t.substr(3, t.find('<', 3) - 3);
        } else if (t.rfind("<entry>", 0) == 0) {
            value += (value.empty() ? "" : "|") + between(t, "<entry>", "</entry>");
        } else if (t == "</parameter>") {
            items.push_back(name + "=" + value);
        }
    }
    return items;
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& item : items) out += (out.empty() ? "" : " ") + item;
    return out;
}

std::map<std::string, std::string> valueMap(const std::string& doc, const std::string& group) {
    std::map<std::string, std::string> values;
    for (const std::string& item : groupValues(doc, group)) {
        const size_t eq = item.find('=');
        values[item.substr(0, eq)] = item.substr(eq + 1);
    }
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
// per settings group, in a fixed order.
TEST(OptionsDocument, FreshModuleWritesTwentyTwoGroupsInOrder) {
    SkpModule module;
    const std::string doc = module.optionsXml();
    EXPECT_EQ(assetUrls(doc),
              (std::vector<std::string>{
                  "/SettingsImageSampler", "/SettingsImageFilter", "/SettingsCamera", "/SettingsCameraDof",
                  "/SettingsMotionBlur", "/SettingsGI", "/SettingsIrradianceMap", "/SettingsPhotonMap",
                  "/SettingsLightCache", "/SettingsCaustics", "/SettingsRaycaster", "/SettingsRegionsGenerator",
                  "/SettingsDMCGI", "/SettingsDMCSampler", "/SettingsColorMapping", "/SettingsRenderChannels",
                  "/SettingsOptions", "/SettingsDefaultDisplacement", "/SettingsEnvironment", "/SettingsOutput",
                  "/CameraPhysical", "/SettingsDR"}));
    EXPECT_EQ(doc, golden("default-options.xml")) << "the whole document, text for text";
}

TEST(OptionsDocument, DefaultsThatDoNotComeFromTheRenderer) {
    SkpModule module;
    const std::string doc = module.optionsXml();

    EXPECT_EQ(joined(groupValues(doc, "SettingsEnvironment")),
              "use_bg=0 bg_color=0,0,0 bg_tex= bg_mult=1 use_gi=0 gi_color=0.8,0.898039,1 gi_tex= gi_mult=1 "
              "use_reflect=0 reflect_color=0,0,0 reflect_tex= reflect_mult=1 "
              "use_refract=0 refract_color=0,0,0 refract_tex= refract_mult=1");
    EXPECT_EQ(joined(groupValues(doc, "SettingsOutput")),
              "img_width=800 img_height=600 img_pixelAspect=1 img_imageAspect=1.333 img_file= img_rawFile=0 "
              "frames_per_second=30 rgn_left=0 rgn_width=0 rgn_top=0 rgn_height=0 bmp_width=0 bmp_height=0 "
              "r_left=0 r_width=0 r_top=0 r_height=0 kilnimg_file= override_viewport=0 do_animation=0 "
              "save_render=0 frame_rate=0 img_imageAspectLocked=0 img_pixelAspectLocked=0");
    EXPECT_EQ(joined(groupValues(doc, "CameraPhysical")),
              "on=0 type=0 film_width=36 focal_length=40 zoom_factor=1 distortion=0 f_number=8 lens_shift=0 "
              "shutter_speed=30 shutter_angle=180 shutter_offset=0 latency=0 ISO=200 specify_focus=0 "
              "focus_distance=200 targeted=0 target_distance=200 dof_display_threshold=0 exposure=1 "
              "white_balance=1,1,1 vignetting=1 blades_enable=0 blades_num=5 blades_rotation=0 center_bias=0 "
              "anisotropy=0 use_dof=0 use_moblur=0 subdivs=6 specify_film_width=0 override_focal_length=0");
    EXPECT_EQ(joined(groupValues(doc, "SettingsDR")), "on=0 asset_coll=1 mode=0 folder=");
    EXPECT_EQ(joined(groupValues(doc, "SettingsRenderChannels")),
              "zdepth_clamp=1 zdepth_black=0 zdepth_white=1000 channel_names=RGB color|Alpha");

    // Container, frame and overridden block values inside groups that are
    // otherwise the renderer's defaults.
    const std::pair<const char*, std::map<std::string, std::string>> mixed[] = {
        {"SettingsImageSampler", {{"type", "2"}}},
        {"SettingsCamera", {{"height", "400"}, {"dist", "2"}, {"fov", "45"}, {"auto_fit", "1"}, {"curve", "1"},
                            {"override_fov", "0"}}},
        {"SettingsCameraDof", {{"override_focal_dist", "1"}, {"aperture", "0.1"}, {"focal_dist", "200"},
                               {"rotation", "0"}}},
        {"SettingsIrradianceMap", {{"file", ""}, {"auto_save_file", ""}}},
        {"SettingsLightCache", {{"adaptive_sampling", "0"}, {"file", ""}}},
        {"SettingsCaustics", {{"search_distance", "20"}}},
        {"SettingsRegionsGenerator", {{"seqtype", "4"}}},
        {"SettingsDMCSampler", {{"adaptive_threshold", "0.01"}, {"path_sampler_type", "2"}}},
        {"SettingsColorMapping", {{"gamma_correct_rgb", "0"}, {"gamma_correct_ldr_textures", "0"},
                                  {"input_gamma", "2.2"}, {"dark_mult", "1"}, {"bright_mult", "1"}}},
        {"SettingsOptions", {{"mtl_limitDepth", "1"}, {"mtl_maxDepth", "2"}, {"show_progress_window", "1"},
                             {"batch_render", "1"}, {"mtl_override_color", "0.5,0.5,0.5"}}},
    };
    for (const auto& [group, expected] : mixed) {
        const auto values = valueMap(doc, group);
        for (const auto& [name, value] : expected) EXPECT_EQ(values.at(name), value) << group << " " << name;
    }
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
    options.paths[kRawImagePath] = "C:\\out\\a&b.kimg";
    options.paths[kLightCacheAutoSavePath] = std::string(AllOptions::kPathMaxUnits, 'p');
    options.physicalCamera.focal_length.setValue(80.0f, 1.0);  // only time 0 is written
    options.physicalCamera.focus_distance.setValue(120.0f, 0.0);
    options.params.block.photonMap_auto_search_distance = 0;
    const std::string doc = documentOf(options);

    EXPECT_EQ(valueMap(doc, "SettingsRenderChannels").at("channel_names"), "Atmosphere|SSS2||");
    EXPECT_EQ(valueMap(doc, "SettingsOutput").at("kilnimg_file"), "C:\\out\\a&amp;b.kimg");
    EXPECT_EQ(valueMap(doc, "SettingsLightCache").at("auto_save_file"), options.paths[kLightCacheAutoSavePath]);
    EXPECT_EQ(valueMap(doc, "CameraPhysical").at("focal_length"), "40");
    EXPECT_EQ(valueMap(doc, "CameraPhysical").at("focus_distance"), "120");
    const auto photons = valueMap(doc, "SettingsPhotonMap");
    EXPECT_EQ(photons.at("search_distance_toggle"), "0");
    EXPECT_EQ(photons.at("auto_search_distance"), "0");
}

TEST(OptionsDocument, EnvironmentTextureSlots) {
    AllOptions options;
    EnvironmentSlot& gi = options.environment[kGlobalIllumination];
    gi.texture = std::make_shared<MarkerTexture>();
    gi.colorMult = 2.0f;
    gi.textureMult = 3.0f;
    options.environment[kBackground].colorMult = 4.0f;
    options.environment[kBackground].textureMult = 5.0f;
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

TEST(OptionsDocument, FrameDataAsset) {
    TessarFrameData frame;
    frame.worldToCam.offset[0] = 1e10;
    frame.fieldMask = 2;
    std::string doc;
    AssetXmlWriter writer(doc);
    frame.writeXML(writer, "/X");
    EXPECT_EQ(doc, golden("frame-data.xml"));
}
