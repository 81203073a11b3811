// The light records themselves are cases of RecordTableTest (golden/records.txt).
#include <gtest/gtest.h>

#include "lights/SunLight.h"

using namespace KilnCore;

TEST(LightFamily, DisplayNames) {
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

