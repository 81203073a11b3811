// Materials and BRDFs together with real textures.
#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/MaterialDocument.h"
#include "textures/Textures.h"

using namespace KilnCore;

namespace {

using MaterialTextures = EmptyLibraryTest;

std::shared_ptr<BaseTexture> constant(float r) { return std::make_shared<AColorTexture>(AColor{r, 0, 0, 1}); }

std::string valueOf(const std::string& xml, const std::string& param) {
    const size_t at = xml.find("name=\"" + param + "\"");
    const size_t end = xml.find("</parameter>", at);
    const size_t v = xml.find("<value>", at);
    if (at == std::string::npos || v > end) return "<none>";
    return xml.substr(v + 7, xml.find("</value>", v) - v - 7);
}

}  // namespace

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
