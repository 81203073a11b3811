// The light records themselves are cases of RecordTableTest (golden/records.txt).
#include <gtest/gtest.h>

#include "Golden.h"
#include "RecordBuilder.h"

#include "lights/OmniLight.h"
#include "lights/SunLight.h"

using namespace KilnCore;

TEST(LightFamily, AFailedReadLeavesTheDefaults) {
    OmniLight omni;
    omni.intensity = 99;
    EXPECT_FALSE(omni.deserialize(Record().u32(0x00050000).ar));
    EXPECT_TRUE(omni.isEqual(std::make_shared<OmniLight>()));
    EXPECT_EQ(lightTypeName(8), "Invalid Light");
    EXPECT_EQ(lightTypeName(9), "");
}

TEST(SunLight, EachSunHasItsOwnIdentifierAndTheDefaultSunIsFixed) {
    SunLight a, b;
    EXPECT_NE(a.sunGuid, b.sunGuid);
    const std::string before = a.sunGuid;
    a.reset();
    EXPECT_NE(a.sunGuid, before);

    const std::shared_ptr<SunLight>& sun = defaultSun();
    EXPECT_EQ(sun.get(), defaultSun().get());
    EXPECT_EQ(sun->sunName, "Default");
    EXPECT_EQ(sun->sunGuid, "{D3BE9766-E4AA-418b-81A9-23414A2BA98D}");
}

TEST(SunLight, EachSunIsWrittenOncePerDocument) {
    auto first = std::make_shared<SunLight>("first", "");
    auto second = std::make_shared<SunLight>("second", "");
    auto third = std::make_shared<SunLight>("third", "");
    std::string out;
    AssetXmlWriter writer(out);
    first->writeXML(writer, "/Parent");
    second->writeXML(writer, "");
    first->clone()->writeXML(writer, "");  // the same identifier: written already
    third->writeXML(writer, "");
    EXPECT_EQ(assetUrls(out), (std::vector<std::string>{"/SunLight", "/SunLight1", "/SunLight2"}));
    EXPECT_EQ(writer.sunTable().at("second"), "/SunLight1");
    EXPECT_EQ(assetUrls(documentOf(*second)), std::vector<std::string>{"/SunLight"}) << "the table belongs to one document";
}
