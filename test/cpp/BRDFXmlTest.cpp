#include <gtest/gtest.h>

#include "Golden.h"

#include "materials/BRDFs.h"

using namespace KilnCore;

namespace {

std::string xmlOf(Base_BRDF& brdf, const std::string& parentUrl = "/Mat") {
    std::string out;
    AssetXmlWriter w(out);
    brdf.writeXML(w, parentUrl);
    return out;
}

}  // namespace

TEST(BRDFXml, DiffuseAssetIsExact) {
    Diffuse_BRDF diffuse;
    diffuse.name = "Base Coat";
    diffuse.color = {0.2f, 0.4f, 1};
    diffuse.use_color_tex_alpha_as_transparency = true;
    EXPECT_EQ(xmlOf(diffuse, "/Brick"), golden("diffuse-brdf.xml"));
}

TEST(BRDFXml, GlassParametersInOrder) {
    Glass_BRDF glass;
    glass.affect_shadows = 3;
    glass.extraFloat1 = 9;
    const std::string xml = xmlOf(glass);
    EXPECT_EQ(xml, golden("glass-brdf.xml"));
}

TEST(BRDFXml, ReflectionParametersInOrder) {
    Phong_BRDF phong;
    phong.name = "Gloss";
    phong.subdivs = 24;
    phong.anisotropy = 0.25f;
    phong.transparency_tex = nullptr;
    const std::string xml = xmlOf(phong);
    EXPECT_EQ(xml, golden("reflection-brdf.xml"));

    // Blinn differs only in its type identifier.
    Blinn_BRDF blinn;
    blinn.name = "Gloss";
    blinn.subdivs = 24;
    blinn.anisotropy = 0.25f;
    blinn.transparency_tex = nullptr;
    EXPECT_EQ(xmlOf(blinn), xml);
    EXPECT_NE(blinn.typeId(), phong.typeId());
    EXPECT_FALSE(blinn.isEqual(phong.clone()));

    Mirror_BRDF mirror;
    mirror.transparency_tex = nullptr;
    mirror.extraInt1 = 77;
    EXPECT_EQ(xmlOf(mirror), golden("mirror-brdf.xml"));
}

TEST(BRDFXml, LightWritesItsIntegerSwitchAsBool) {
    Light_BRDF light;
    light.doubleSided = 7;
    light.intensity = 1500000;
    EXPECT_EQ(xmlOf(light), golden("light-brdf.xml"));
    light.doubleSided = 0;
    EXPECT_NE(xmlOf(light).find("name=\"doubleSided\" handler=\"default\" listType=\"none\" label=\"doubleSided\">\n"
                                "            <value>0</value>"),
              std::string::npos);
}
