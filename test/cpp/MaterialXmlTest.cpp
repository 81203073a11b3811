#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"

using namespace KilnCore;

namespace {

using MaterialXml = EmptyLibraryTest;

std::string assetsOf(BaseMaterial& m, const std::string& parentUrl = "") {
    std::string out;
    AssetXmlWriter w(out);
    w.beginElement("Assets");
    m.writeXML(w, parentUrl);
    w.endElement("Assets");
    return out;
}

}  // namespace

// A layered material lists its BRDFs after writing them; composites write
// their parts first.
TEST_F(MaterialXml, LayeredAndCompositeDocuments) {
    auto m = layered("Tile");
    m->double_sided = 0;
    auto top = std::make_shared<Diffuse_BRDF>();
    top->name = "Top & Coat";
    m->brdfs = {std::make_shared<Glass_BRDF>(), top};
    EXPECT_EQ(assetsOf(*m, "/Lib"), golden("layered-material.xml"));

    Material2Sided twoSided;
    twoSided.name = "Leaf";
    twoSided.front = layered("Front");
    twoSided.back = layered("Back");
    EXPECT_EQ(assetsOf(twoSided), golden("two-sided-material.xml"));

    MaterialObjectExclusion exclusion;
    exclusion.name = "Ex";
    exclusion.mode = 2;
    exclusion.objects = {"Box<1>", "Sphere"};
    EXPECT_EQ(assetsOf(exclusion), golden("exclusion-material.xml"));

    MaterialAngleBlend blend;
    blend.name = "Blend";
    blend.mtl_one = layered("One");
    EXPECT_EQ(assetsOf(blend), golden("angle-blend-material.xml"));
}

TEST_F(MaterialXml, WrappersWithoutAssetsPassTheirBaseOn) {
    MaterialOverrideEnvironment override;
    override.name = "Env";
    override.base_mtl = layered("Inner");
    EXPECT_EQ(assetUrls(assetsOf(override, "/P")), (std::vector<std::string>{"/P/Inner"}));

    MaterialDisplaced displaced;
    displaced.name = "Disp";
    displaced.base_mtl = layered("Inner");
    EXPECT_EQ(assetUrls(assetsOf(displaced, "/P")), (std::vector<std::string>{"/P/Disp/Inner"}));

    MaterialReference reference;
    reference.name = "Ref";
    EXPECT_TRUE(assetUrls(assetsOf(reference)).empty());
    reference.resolved = layered("Wood");
    EXPECT_EQ(assetUrls(assetsOf(reference)), (std::vector<std::string>{"/Wood"}));

    MaterialSingleBRDF single;
    single.brdf = std::make_shared<Diffuse_BRDF>();
    MaterialMulti multi;
    multi.materials = {layered("X")};
    MaterialLinked linked;
    linked.linked = layered("Y");
    MaterialInstance instance;
    for (BaseMaterial* m : std::initializer_list<BaseMaterial*>{&single, &multi, &linked, &instance})
        EXPECT_TRUE(assetUrls(assetsOf(*m)).empty()) << m->typeId();
}

TEST_F(MaterialXml, DuplicatesAreUniqueDeepCopiesAndCopiesKeepTheName) {
    SceneMaterials& library = libraryInUse();
    auto bump = std::make_shared<MaterialBump>();
    bump->name = "Brick";
    bump->uuid = "id";
    bump->base_mtl = layered("Base");
    library.addMaterial(bump);
    library.addMaterial(bump->base_mtl);

    auto dup = std::dynamic_pointer_cast<MaterialBump>(bump->duplicate());
    ASSERT_TRUE(dup);
    EXPECT_EQ(dup->name, "Brick1");
    EXPECT_EQ(dup->uuid, "");
    ASSERT_TRUE(dup->base_mtl);
    EXPECT_NE(dup->base_mtl, bump->base_mtl);
    EXPECT_EQ(dup->base_mtl->name, "Base1");
    EXPECT_TRUE(dup->isEqual(bump));

    auto copy = std::dynamic_pointer_cast<MaterialBump>(bump->clone());
    EXPECT_EQ(copy->name, "Brick");
    EXPECT_EQ(copy->base_mtl->name, "Base");
    EXPECT_NE(copy->base_mtl, bump->base_mtl);
    copy->bump_tex_mult = 2;
    EXPECT_FALSE(copy->isEqual(bump));

    // A layered material copies its BRDFs; a single-BRDF material shares its BRDF.
    auto tile = layered("Tile");
    tile->brdfs.push_back(std::make_shared<Diffuse_BRDF>());
    auto tileCopy = std::dynamic_pointer_cast<MaterialLayeredBRDF>(tile->clone());
    EXPECT_NE(tileCopy->brdfs[0], tile->brdfs[0]);
    EXPECT_TRUE(tileCopy->isEqual(tile));
    auto single = std::make_shared<MaterialSingleBRDF>();
    single->brdf = tile->brdfs[0];
    EXPECT_EQ(std::dynamic_pointer_cast<MaterialSingleBRDF>(single->duplicate())->brdf, single->brdf);

    // Assignment keeps the identifier; a reset of a single BRDF keeps its BRDF.
    MaterialLayeredBRDF assigned;
    assigned.uuid = "mine";
    assigned = *tile;
    EXPECT_EQ(assigned.uuid, "mine");
    single->reset();
    EXPECT_TRUE(single->brdf);
    EXPECT_EQ(single->name, "DefaultMaterial");
}
