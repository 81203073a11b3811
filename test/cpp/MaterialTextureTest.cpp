// Materials and BRDFs together with real textures: each texture is written
// before the object that refers to it, under its slot's child name.
#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/MaterialConversion.h"
#include "textures/Textures.h"

using namespace KilnCore;

namespace {

using MaterialTextures = EmptyLibraryTest;

std::shared_ptr<BaseTexture> constant(float r) { return std::make_shared<AColorTexture>(AColor{r, 0, 0, 1}); }

}  // namespace

TEST_F(MaterialTextures, BrdfAndMaterialTextureSlots) {
    Glass_BRDF glass;
    glass.name = "Glass";
    glass.ior_tex = constant(0.25f);
    glass.color_tex = constant(0.5f);
    glass.transparency_tex = constant(0.75f);
    EXPECT_EQ(documentOf(glass, "/Mat"), golden("glass-textures.xml"));

    Light_BRDF light;
    light.transparency_tex = constant(1);
    EXPECT_EQ(documentOf(light), golden("light-brdf-texture.xml"));

    Material2Sided leaf;
    leaf.name = "Leaf";
    leaf.transparency_tex = constant(1);
    EXPECT_EQ(documentOf(leaf), golden("two-sided-texture.xml"));
}

// A flattened chain writes the textures of every wrapper; a layout asset
// (the toon) writes its base first.
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
    EXPECT_EQ(materialDocument(bump), golden("chain-textures.xml"));

    auto toon = std::make_shared<MaterialToon>();
    toon->name = "Ink";
    toon->base_mtl = core;
    toon->distort_tex = constant(0.5f);
    EXPECT_EQ(materialDocument(toon), golden("toon-texture.xml"));
}
