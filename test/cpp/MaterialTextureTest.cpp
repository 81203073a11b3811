// Materials and BRDFs together with real textures.
#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"
#include "RecordBuilder.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/MaterialDocument.h"
#include "textures/BitmapBuffer.h"
#include "textures/Textures.h"

using namespace KilnCore;

namespace {

using MaterialTextures = EmptyLibraryTest;

std::shared_ptr<BaseTexture> constant(float r) { return std::make_shared<AColorTexture>(AColor{r, 0, 0, 1}); }

std::string fileOf(const std::shared_ptr<BaseTexture>& t) {
    auto bitmap = std::dynamic_pointer_cast<BitmapTexture>(t);
    auto buffer = bitmap ? std::dynamic_pointer_cast<BitmapBuffer>(bitmap->bitmap) : nullptr;
    return buffer ? buffer->file : "<none>";
}

std::string valueOf(const std::string& xml, const std::string& param) {
    const size_t at = xml.find("name=\"" + param + "\"");
    const size_t end = xml.find("</parameter>", at);
    const size_t v = xml.find("<value>", at);
    if (at == std::string::npos || v > end) return "<none>";
    return xml.substr(v + 7, xml.find("</value>", v) - v - 7);
}

}  // namespace

TEST_F(MaterialTextures, OldRecordsTurnFileNamesIntoBitmapTextures) {
    Record v1;
    v1.u32(0x10000).c(1, 1, 1).c(0, 0, 0).f(1, 1).s("C:\\maps\\brick.png", "");
    Diffuse_BRDF diffuse;
    ASSERT_TRUE(diffuse.deserialize(v1.ar));
    EXPECT_EQ(fileOf(diffuse.color_tex), "C:\\maps\\brick.png");
    EXPECT_FALSE(diffuse.transparency_tex);

    // A bump of version 1 with an empty file name has no texture but still
    // names the parameter.
    Record bumpV1;
    bumpV1.u32(0x10000).s("Brick", "").f(2).layeredChild("Base");
    MaterialBump bump;
    ASSERT_TRUE(bump.deserialize(bumpV1.ar));
    EXPECT_FALSE(bump.bump_tex);
    std::string xml;
    AssetXmlWriter w(xml);
    bump.writeXML(w, "");
    EXPECT_EQ(assetUrls(xml).size(), 2u);
    EXPECT_NE(xml.find("name=\"bump_tex\""), std::string::npos);
    EXPECT_EQ(valueOf(xml, "bump_tex"), "<none>");
}

TEST_F(MaterialTextures, FresnelSwitchesAndDefaults) {
    // Phong version 1 ends with a Fresnel transparency whatever the switch.
    for (int32_t fresnelSwitch : {0, 1}) {
        Record v1;
        v1.u32(0x10000).c(1, 1, 1).c(1, 1, 1).f(1, 1, 0, 0.01f).i32(8, fresnelSwitch, 0, 5);
        Phong_BRDF phong;
        phong.transparency_tex = nullptr;
        ASSERT_TRUE(phong.deserialize(v1.ar));
        ASSERT_TRUE(phong.transparency_tex);
        EXPECT_EQ(phong.transparency_tex->typeId(), 1);
    }

    // Mirror version 3: the switch replaces a stored transparency texture.
    auto mirrorV3 = [](int32_t fresnelSwitch) {
        Record v3;
        v3.u32(0x30000).c(1, 1, 1).c(1, 1, 1).f(1, 0, 0.01f).i32(fresnelSwitch, 1).f(1);
        writeOptionalChild(v3.ar, constant(0.5f));
        v3.b(false);
        auto mirror = std::make_shared<Mirror_BRDF>();
        EXPECT_TRUE(mirror->deserialize(v3.ar));
        return mirror->transparency_tex ? mirror->transparency_tex->typeId() : -1;
    };
    EXPECT_EQ(mirrorV3(0), 5);
    EXPECT_EQ(mirrorV3(1), 1);

    // Version 5 empties the transparency texture before its presence byte.
    Mirror_BRDF mirror;
    ASSERT_TRUE(mirror.transparency_tex);
    mirror.transparency_tex = nullptr;
    QuickArchive v5;
    ASSERT_TRUE(mirror.serialize(v5));
    Mirror_BRDF back;
    ASSERT_TRUE(back.deserialize(v5));
    EXPECT_FALSE(back.transparency_tex);
}

TEST_F(MaterialTextures, TextureSubAssetsAndReferences) {
    Glass_BRDF glass;
    glass.name = "Glass";
    glass.ior_tex = constant(0.25f);
    glass.color_tex = constant(0.5f);
    glass.transparency_tex = constant(0.75f);
    std::string xml;
    AssetXmlWriter w(xml);
    glass.writeXML(w, "/Mat");
    EXPECT_EQ(assetUrls(xml), (std::vector<std::string>{"/Mat/Glass/transparency_texture/TexAColor",
                                                        "/Mat/Glass/color_texture/TexAColor",
                                                        "/Mat/Glass/ior_texture/TexAColor", "/Mat/Glass"}));
    EXPECT_EQ(valueOf(xml, "ior_texture"), "/Mat/Glass/ior_texture/TexAColor");
    EXPECT_EQ(valueOf(xml, "glossiness_tex"), "<none>");

    Light_BRDF light;
    light.transparency_tex = constant(1);
    std::string lightXml;
    AssetXmlWriter lw(lightXml);
    light.writeXML(lw, "");
    EXPECT_EQ(valueOf(lightXml, "transparency_tex"), "/BRDFLight/transp_texture/TexAColor");

    Material2Sided leaf;
    leaf.name = "Leaf";
    leaf.transparency_tex = constant(1);
    std::string leafXml;
    AssetXmlWriter tw(leafXml);
    leaf.writeXML(tw, "");
    EXPECT_EQ(assetUrls(leafXml), (std::vector<std::string>{"/Leaf/transparency_tex/TexAColor", "/Leaf"}));
    EXPECT_EQ(valueOf(leafXml, "transparency_tex"), "/Leaf/transparency_tex/TexAColor");
}

TEST_F(MaterialTextures, DocumentsWriteTheTexturesOfTheChain) {
    auto core = std::make_shared<MaterialLayeredBRDF>();
    core->name = "Core";
    auto alpha = std::make_shared<MaterialAlphaContribution>();
    alpha->name = "Alpha";
    alpha->alpha_tex = constant(0.5f);
    alpha->base_mtl = core;
    auto bump = std::make_shared<MaterialBump>();
    bump->name = "Rough";
    bump->bump_tex = constant(0.25f);
    bump->base_mtl = alpha;
    std::string xml;
    AssetXmlWriter w(xml);
    writeMaterialDocument(w, bump);
    EXPECT_EQ(assetUrls(xml), (std::vector<std::string>{"/Rough/bump_tex/TexAColor", "/Rough/alpha_tex/TexAColor",
                                                        "/Rough"}));
    EXPECT_EQ(valueOf(xml, "bump_tex"), "/Rough/bump_tex/TexAColor");
    EXPECT_EQ(valueOf(xml, "alpha_tex"), "/Rough/alpha_tex/TexAColor");

    auto toon = std::make_shared<MaterialToon>();
    toon->name = "Ink";
    toon->base_mtl = core;
    toon->distort_tex = constant(0.5f);
    std::string toonXml;
    AssetXmlWriter tw(toonXml);
    writeMaterialDocument(tw, toon);
    EXPECT_EQ(assetUrls(toonXml), (std::vector<std::string>{"/Core", "/Ink/distort_tex/TexAColor", "/Ink"}));
    EXPECT_EQ(valueOf(toonXml, "distortTex"), "/Ink/distort_tex/TexAColor");
    EXPECT_EQ(valueOf(toonXml, "lineColorTex"), "<none>");
    EXPECT_EQ(valueOf(toonXml, "base_mtl"), "/Core");
}
