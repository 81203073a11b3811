#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include "lights/SunLight.h"
#include "serial/AssetXmlWriter.h"
#include "serial/QuickArchive.h"
#include "textures/SkyTexture.h"

using namespace KilnCore;

namespace {

// Reading a sky may change the process-wide default sun; each test puts it back.
class SkyTextureTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = *defaultSun(); }
    void TearDown() override { *defaultSun() = saved_; }

private:
    SunLight saved_;
};

std::shared_ptr<SunLight> sunWithTurbidity(float turbidity) {
    auto sun = std::make_shared<SunLight>();
    sun->turbidity = turbidity;
    return sun;
}

std::shared_ptr<SkyTexture> roundTrip(SkyTexture& sky) {
    QuickArchive ar;
    EXPECT_TRUE(sky.serialize(ar));
    auto back = std::make_shared<SkyTexture>();
    EXPECT_TRUE(back->deserialize(ar));
    EXPECT_EQ(ar.readPos(), ar.writePos());
    return back;
}

// A sky's asset at depth 1, its sun written under sunUrl.
std::string skyAsset(const std::string& url, const std::string& sunUrl) {
    return "    <Asset layout=\"\" renderer=\"kiln\" type=\"texture\" url=\"" + url + "\" >\n      <plugin>\n" +
           "        <kilnplugin name=\"" + url + "\" type=\"TexSky\">\n          <parameters>\n" +
           "            <parameter type=\"plugin\" name=\"sun\" handler=\"default\" listType=\"none\" "
           "label=\"sun\">\n" +
           "              <value>" + sunUrl + "</value>\n            </parameter>\n          </parameters>\n" +
           "        </kilnplugin>\n      </plugin>\n    </Asset>\n";
}

// A sun's own asset (the light family's text) at depth 1, after
// `earlierSuns` other suns in the same document.
std::string sunAsset(SunLight& sun, size_t earlierSuns) {
    std::string out;
    AssetXmlWriter writer(out);
    writer.beginElement("Assets");
    for (size_t i = 0; i < earlierSuns; ++i) writer.sunTable().emplace("other" + std::to_string(i), "");
    const size_t start = out.size();
    sun.writeXML(writer, "/ignored");
    return out.substr(start);
}

}  // namespace

TEST_F(SkyTextureTest, SharesTheDefaultSunUntilCloned) {
    SkyTexture sky;
    EXPECT_EQ(sky.sun, defaultSun());
    EXPECT_EQ(sky.skyGuid.size(), 36u);
    sky.sun = sunWithTurbidity(4);
    sky.reset();
    EXPECT_EQ(sky.sun, defaultSun());

    auto copy = std::static_pointer_cast<SkyTexture>(sky.clone());
    EXPECT_NE(copy->skyGuid, sky.skyGuid);
    EXPECT_NE(copy->sun, sky.sun);
    EXPECT_TRUE(copy->sun->isEqual(sky.sun));
    EXPECT_FALSE(copy->isEqual(std::make_shared<SkyTexture>(sky)));  // identities differ
    copy->skyGuid = sky.skyGuid;
    EXPECT_TRUE(copy->isEqual(std::make_shared<SkyTexture>(sky)));
}

TEST_F(SkyTextureTest, OlderVersions) {
    Record v1;  // the sun alone
    v1.u32(0x00010000).b(true);
    auto sun = sunWithTurbidity(5);
    sun->serialize(v1.ar);
    auto sky = std::make_shared<SkyTexture>();
    ASSERT_TRUE(sky->deserialize(v1.ar));
    EXPECT_EQ(v1.ar.readPos(), v1.ar.writePos());
    EXPECT_TRUE(sky->sun->isEqual(sun));

    Transform placement;
    placement.offset = {4, 5, 6};
    Record v2;  // a plain transform before the settings
    v2.u32(0x00020000).b(false).xform(placement).vec(1, 0, 0).f(0.1f, 2, 3, 4, 5, 6, 7, 8).i32(10, 20, 30);
    v2.b(false, true).s("sky-id");
    ASSERT_TRUE(sky->deserialize(v2.ar));
    EXPECT_EQ(v2.ar.readPos(), v2.ar.writePos());
    EXPECT_EQ(sky->sun, defaultSun());
    EXPECT_EQ(sky->transform.valueAt(0.0), placement);
    EXPECT_EQ(sky->shadowBias, 0.1f);
    EXPECT_EQ(sky->shadow_subdivs, 30);
    EXPECT_EQ(sky->skyGuid, "sky-id");

    QuickArchive v4;
    v4.writeUInt32(0x00040000);
    EXPECT_FALSE(sky->deserialize(v4));
}

TEST_F(SkyTextureTest, EachSunIsWrittenOncePerDocument) {
    auto shared = sunWithTurbidity(4);
    auto other = sunWithTurbidity(5);
    SkyTexture background, gi, reflection;
    background.sun = shared;
    gi.sun = shared;
    reflection.sun = other;

    std::string out;
    AssetXmlWriter writer(out);
    writer.beginElement("Assets");
    background.writeXML(writer, "/Env/bg");
    gi.writeXML(writer, "/Env/gi");
    reflection.writeXML(writer, "/Env/reflect");
    SkyTexture().writeXML(writer, "/Env/refract");  // the default sun, third in the document
    writer.endElement("Assets");

    EXPECT_EQ(out, "  <Assets>\n" + sunAsset(*shared, 0) + skyAsset("/Env/bg/TexSky", "/SunLight") +
                       skyAsset("/Env/gi/TexSky", "/SunLight") + sunAsset(*other, 1) +
                       skyAsset("/Env/reflect/TexSky", "/SunLight1") + sunAsset(*defaultSun(), 2) +
                       skyAsset("/Env/refract/TexSky", "/SunLight2") + "  </Assets>\n");
    EXPECT_NE(sunAsset(*other, 1).find("url=\"/SunLight1\""), std::string::npos);
}
