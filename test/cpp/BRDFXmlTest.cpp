#include <gtest/gtest.h>

#include "Golden.h"

#include "materials/BRDFs.h"

using namespace KilnCore;

// The diffuse, mirror and light assets are cases of RecordTableTest
// (golden/records.txt); the glass, with an int32 affect_shadows, here.
TEST(BRDFXml, GlassAsset) {
    Glass_BRDF glass;
    glass.affect_shadows = 3;
    glass.extraFloat1 = 9;
    EXPECT_EQ(documentOf(glass, "/Mat"), golden("glass-brdf.xml"));
}

// Blinn and Phong write the same asset; only their type identifiers differ.
TEST(BRDFXml, GlossyAssets) {
    Phong_BRDF phong;
    Blinn_BRDF blinn;
    const auto set = [](auto& b) {
        b.name = "Gloss";
        b.subdivs = 24;
        b.anisotropy = 0.25f;
        b.transparency_tex = nullptr;
    };
    set(phong);
    set(blinn);
    EXPECT_EQ(documentOf(phong, "/Mat"), golden("reflection-brdf.xml"));
    EXPECT_EQ(documentOf(blinn, "/Mat"), documentOf(phong, "/Mat"));
    EXPECT_NE(blinn.typeId(), phong.typeId());
    EXPECT_FALSE(blinn.isEqual(phong.clone()));
}
