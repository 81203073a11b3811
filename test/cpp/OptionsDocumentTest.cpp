#include <gtest/gtest.h>

#include "Golden.h"

#include <cstring>
#include <functional>
#include <map>

#include "options/AllOptions.h"
#include "RecordBuilder.h"
#include "scene/SkpModule.h"
#include "serial/ReadTrace.h"

using namespace KilnCore;

namespace {

// The parameters of one settings group by name; a colour is "r,g,b", a list
// "a,b", an empty reference "".
std::map<std::string, std::string> valueMap(const std::string& doc, const std::string& group) {
    const size_t start = doc.find("<kilnplugin name=\"" + group + "\"");
    std::map<std::string, std::string> values;
    for (const std::string& item : paramSummary(doc.substr(start, doc.find("</kilnplugin>", start) - start)))
        values[item.substr(0, item.find(':'))] = item.substr(item.find('=') + 1);
    return values;
}

}  // namespace

// The default document: an outer Assets element holding one Assets element
// per settings group, in a fixed order, with the defaults of the container,
// the frame and the overridden renderer values.
TEST(OptionsDocument, FreshModuleWritesTheDefaultDocument) {
    EXPECT_EQ(SkpModule().optionsXml().document, golden("default-options.xml"));
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

TEST(OptionsDocument, FrameDataAsset) {
    TessarFrameData frame;
    frame.worldToCam.offset[0] = 1e10;
    frame.fieldMask = 2;
    std::string doc;
    AssetXmlWriter writer(doc);
    frame.writeXML(writer, "/X");
    EXPECT_EQ(doc, golden("frame-data.xml"));
}
