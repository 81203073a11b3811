#include <gtest/gtest.h>

#include "lights/SunLight.h"
#include "serial/AssetXmlWriter.h"
#include "serial/QuickArchive.h"
#include "textures/SkyTexture.h"

using namespace KilnCore;

namespace {

// Reading a sky may change the process-wide default sun; each test puts it back.
class SkyTexture_ : public ::testing::Test {
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

std::shared_ptr<SkyTexture> readSky(QuickArchive& ar) {
    auto sky = std::make_shared<SkyTexture>();
    return sky->deserialize(ar) ? sky : nullptr;
}

// The asset of a sky whose sun was written under sunUrl, at depth 1.
std::string skyAsset(const std::string& url, const std::string& sunUrl) {
    return "    <Asset layout=\"\" renderer=\"kiln\" type=\"texture\" url=\"" + url +
           "\" >\n"
           "      <plugin>\n"
           "        <kilnplugin name=\"" +
           url +
           "\" type=\"TexSky\">\n"
           "          <parameters>\n"
           "            <parameter type=\"plugin\" name=\"sun\" handler=\"default\" listType=\"none\" "
           "label=\"sun\">\n"
           "              <value>" +
           sunUrl +
           "</value>\n"
           "            </parameter>\n"
           "          </parameters>\n"
           "        </kilnplugin>\n"
           "      </plugin>\n"
           "    </Asset>\n";
}

// The sun's own asset as the light family writes it, at depth 1, after
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

TEST_F(SkyTexture_, DefaultsShareTheDefaultSun) {
    SkyTexture sky;
    EXPECT_EQ(sky.sun, defaultSun());
    EXPECT_EQ(sky.skyGuid.size(), 36u);
    EXPECT_NE(SkyTexture().skyGuid, sky.skyGuid);
    EXPECT_EQ(sky.typeId(), 12);
    auto created = createTexture(12);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->pluginType(), "TexSky");

    sky.sun = sunWithTurbidity(4);
    sky.ozone = 0.5f;
    sky.reset();
    EXPECT_EQ(sky.sun, defaultSun());
    EXPECT_EQ(sky.ozone, 0.35f);
}

TEST_F(SkyTexture_, RoundTripKeepsItsOwnSunOrTheDefault) {
    SkyTexture sky;
    sky.sun = sunWithTurbidity(6);
    sky.water_vapour = 1.5f;
    sky.causticSubdivs = 12;
    sky.skyFlag2 = true;
    sky.up_vector = {0, 1, 0};
    Transform placement;
    placement.offset = {1, 2, 3};
    sky.transform.setValue(placement, 2.0);
    QuickArchive ar;
    ASSERT_TRUE(sky.serialize(ar));
    auto back = readSky(ar);
    ASSERT_TRUE(back);
    EXPECT_EQ(ar.readPos(), ar.writePos());
    EXPECT_EQ(back->skyGuid, sky.skyGuid);
    EXPECT_NE(back->sun, defaultSun());
    EXPECT_TRUE(back->isEqual(std::shared_ptr<BaseTexture>(std::make_shared<SkyTexture>(sky))));

    SkyTexture usesDefault;
    QuickArchive defaultRecord;
    ASSERT_TRUE(usesDefault.serialize(defaultRecord));
    back = readSky(defaultRecord);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sun, defaultSun());
}

TEST_F(SkyTexture_, VersionThreeOverwritesTheDefaultSunItShares) {
    defaultSun()->turbidity = 7;
    QuickArchive ar;
    ASSERT_TRUE(SkyTexture().serialize(ar));
    defaultSun()->turbidity = 3;

    auto sky = readSky(ar);
    ASSERT_TRUE(sky);
    EXPECT_EQ(defaultSun()->turbidity, 7.0f);
    EXPECT_EQ(sky->sun, defaultSun());
}

TEST_F(SkyTexture_, OlderVersions) {
    auto sun = sunWithTurbidity(5);
    QuickArchive v1;
    v1.writeUInt32(0x00010000);
    v1.writeBool(true);
    sun->serialize(v1);
    v1.writeFloat(99);  // not part of a version-1 record
    auto sky = readSky(v1);
    ASSERT_TRUE(sky);
    EXPECT_EQ(v1.readPos(), v1.writePos() - 4);
    EXPECT_TRUE(sky->sun->isEqual(sun));
    EXPECT_EQ(sky->turbidity, 3.0f);

    QuickArchive v2;
    v2.writeUInt32(0x00020000);
    v2.writeBool(false);
    Transform placement;
    placement.offset = {4, 5, 6};
    v2.writeTransform(placement);
    v2.writeVector({1, 0, 0});
    for (float value : {0.1f, 2.f, 3.f, 4.f, 5.f, 6.f, 7.f, 8.f}) v2.writeFloat(value);
    for (int32_t value : {10, 20, 30}) v2.writeInt32(value);
    v2.writeBool(false);
    v2.writeBool(true);
    v2.writeWString("sky-id");
    sky = readSky(v2);
    ASSERT_TRUE(sky);
    EXPECT_EQ(v2.readPos(), v2.writePos());
    EXPECT_EQ(sky->sun, defaultSun());
    EXPECT_EQ(sky->transform.valueAt(0.0), placement);
    EXPECT_EQ(sky->up_vector, (Vector3{1, 0, 0}));
    EXPECT_EQ(sky->shadowBias, 0.1f);
    EXPECT_EQ(sky->ozone, 8.0f);
    EXPECT_EQ(sky->shadow_subdivs, 30);
    EXPECT_FALSE(sky->skyFlag1);
    EXPECT_TRUE(sky->skyFlag2);
    EXPECT_EQ(sky->skyGuid, "sky-id");
}

TEST_F(SkyTexture_, RejectedRecords) {
    for (uint32_t word : {0x00000000u, 0x00040000u, 0x00030001u}) {
        QuickArchive ar;
        ar.writeUInt32(word);
        ar.writeBool(false);
        EXPECT_FALSE(readSky(ar)) << word;
    }
    // A version-3 record whose transform, then whose default sun, is rejected.
    SkyTexture sunless;
    sunless.sun = nullptr;
    QuickArchive good;
    ASSERT_TRUE(sunless.serialize(good));
    ASSERT_TRUE(readSky(good));
    good.setReadPos(0);
    const uint64_t transformAt = 4 + 1 + 12 + 8 * 4 + 3 * 4 + 2 + 4 + 36;
    std::vector<uint8_t> bytes(good.writePos());
    good.readBytes(bytes.data(), bytes.size());
    for (uint64_t at : {transformAt, transformAt + 4 + 4 + 4 + 8 + 48}) {
        std::vector<uint8_t> broken = bytes;
        broken[at + 2] = 9;  // version word 0x00090000
        QuickArchive ar(broken.data(), broken.size());
        EXPECT_FALSE(readSky(ar)) << at;
    }
}

TEST_F(SkyTexture_, CloneHasItsOwnIdentityAndSun) {
    SkyTexture sky;
    auto copy = std::static_pointer_cast<SkyTexture>(sky.clone());
    EXPECT_NE(copy->skyGuid, sky.skyGuid);
    EXPECT_NE(copy->sun, sky.sun);
    EXPECT_TRUE(copy->sun->isEqual(sky.sun));
    EXPECT_FALSE(copy->isEqual(sky.clone()));  // identities differ
    copy->skyGuid = sky.skyGuid;
    for (auto& c : copy->skyGuid) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(copy->isEqual(std::make_shared<SkyTexture>(sky)));
    copy->shadow_subdivs = 9;
    EXPECT_FALSE(copy->isEqual(std::make_shared<SkyTexture>(sky)));
}

TEST_F(SkyTexture_, EachSunIsWrittenOncePerDocument) {
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
    writer.endElement("Assets");

    EXPECT_EQ(out, "  <Assets>\n" + sunAsset(*shared, 0) + skyAsset("/Env/bg/TexSky", "/SunLight") +
                       skyAsset("/Env/gi/TexSky", "/SunLight") + sunAsset(*other, 1) +
                       skyAsset("/Env/reflect/TexSky", "/SunLight1") + "  </Assets>\n");
    EXPECT_NE(sunAsset(*shared, 0).find("url=\"/SunLight\""), std::string::npos);
    EXPECT_NE(sunAsset(*other, 1).find("url=\"/SunLight1\""), std::string::npos);
}

TEST_F(SkyTexture_, DefaultSkyWritesTheDefaultSunFirst) {
    std::string out;
    AssetXmlWriter writer(out);
    writer.beginElement("Assets");
    SkyTexture().writeXML(writer, "");
    EXPECT_EQ(out, "  <Assets>\n" + sunAsset(*defaultSun(), 0) + skyAsset("/TexSky", "/SunLight"));
}
