#include <gtest/gtest.h>

#include "Golden.h"

#include "lights/SunLight.h"
#include "serial/AssetXmlWriter.h"
#include "textures/SkyTexture.h"

using namespace KilnCore;

namespace {

std::shared_ptr<SunLight> sunWithTurbidity(float turbidity) {
    auto sun = std::make_shared<SunLight>();
    sun->turbidity = turbidity;
    return sun;
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
    for (size_t i = 0; i < earlierSuns; ++i) writer.assetsWrittenOnce().emplace("other" + std::to_string(i), "");
    const size_t start = out.size();
    sun.writeXML(writer, "/ignored");
    return out.substr(start);
}

}  // namespace

TEST(SkyTexture, SharesTheDefaultSunUntilCloned) {
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

TEST(SkyTexture, EachSunIsWrittenOncePerDocument) {
    auto shared = sunWithTurbidity(4);
    auto other = sunWithTurbidity(5);
    SkyTexture background, gi, reflection;
    background.sun = shared;
    gi.sun = shared->clone();  // another object, the same sun
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
    EXPECT_EQ(assetUrls(documentOf(*other)), std::vector<std::string>{"/SunLight"}) << "each document has its table";
}
