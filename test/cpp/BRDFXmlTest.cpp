#include <gtest/gtest.h>

#include "Golden.h"

#include "materials/BRDFs.h"

using namespace KilnCore;

TEST(BRDFXml, AssetsAreExact) {
    Diffuse_BRDF diffuse;
    diffuse.name = "Base Coat";
    diffuse.color = {0.2f, 0.4f, 1};
    diffuse.use_color_tex_alpha_as_transparency = true;
    Glass_BRDF glass;
    glass.affect_shadows = 3;
    glass.extraFloat1 = 9;
    Mirror_BRDF mirror;
    mirror.transparency_tex = nullptr;
    mirror.extraInt1 = 77;
    Light_BRDF light;
    light.doubleSided = 7;  // written as a bool
    light.intensity = 1500000;
    const std::pair<Base_BRDF*, const char*> cases[] = {
        {&diffuse, "diffuse-brdf.xml"}, {&glass, "glass-brdf.xml"}, {&mirror, "mirror-brdf.xml"},
        {&light, "light-brdf.xml"}};
    for (const auto& [brdf, file] : cases) EXPECT_EQ(documentOf(*brdf, brdf == &diffuse ? "/Brick" : "/Mat"), golden(file));
    light.doubleSided = 0;
    EXPECT_NE(documentOf(light, "/Mat").find("label=\"doubleSided\">\n            <value>0</value>"), std::string::npos);
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
