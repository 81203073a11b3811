#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"
#include "RecordBuilder.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/MaterialConversion.h"
#include "materials/MaterialDocument.h"

using namespace KilnCore;

namespace {

using Library = EmptyLibraryTest;
SceneMaterials& lib = SceneMaterials::instance();


}  // namespace

TEST_F(Library, UniqueNamesDropTrailingDigitsAndCountUp) {
    EXPECT_EQ(lib.uniqueName("Wall12"), "Wall");
    EXPECT_EQ(lib.uniqueName("7"), "");
    lib.addMaterial(layered("Wall"));
    lib.addMaterial(layered("wall1"));
    EXPECT_EQ(lib.uniqueName("Wall12"), "Wall2");
    EXPECT_EQ(lib.uniqueName("WALL"), "WALL2");
    EXPECT_EQ(lib.uniqueName("Wall 3"), "Wall ");
    EXPECT_FALSE(lib.isNameFree("WALL1"));
    EXPECT_TRUE(lib.isNameFree("Wall2"));

    // The empty key can only be filed directly, through a version 2 library
    // record holding an old bump whose inline name is kept as read.
    Record blank;
    blank.u32(0x20000, 1).i32(3).u32(0x20000).s("").f(1).b(false).layeredChild("Base").u32(0);
    ASSERT_TRUE(lib.deserialize(blank.ar));
    ASSERT_TRUE(lib.getMaterial(""));
    EXPECT_EQ(lib.uniqueName("7"), "1");
}

TEST_F(Library, UniqueNamesFollowFilingAndRenaming) {
    for (const char* expected : {"DefaultMaterial", "DefaultMaterial1", "DefaultMaterial2", "DefaultMaterial3"}) {
        EXPECT_EQ(lib.uniqueName("DefaultMaterial"), expected);
        lib.addMaterial(layered(expected));
    }
    lib.addMaterial(layered("defaultmaterial4"));  // filed without asking for a name
    EXPECT_EQ(lib.uniqueName("DefaultMaterial9"), "DefaultMaterial5");
    EXPECT_EQ(lib.uniqueName("DEFAULTMATERIAL"), "DEFAULTMATERIAL5");
    lib.addMaterial(layered("DefaultMaterial5"));
    lib.addMaterial(layered("DefaultMaterial7"));
    EXPECT_EQ(lib.uniqueName("DefaultMaterial"), "DefaultMaterial6");

    ASSERT_TRUE(lib.replaceMaterial("DefaultMaterial1", layered("Renamed")));
    EXPECT_EQ(lib.uniqueName("DefaultMaterial"), "DefaultMaterial1");
    lib.clear();
    EXPECT_EQ(lib.uniqueName("DefaultMaterial3"), "DefaultMaterial");
}

TEST_F(Library, AddingFilesNamesAndIdentifiers) {
    EXPECT_FALSE(lib.addMaterial(nullptr));
    auto unnamed = layered("");
    EXPECT_FALSE(lib.addMaterial(unnamed));

    auto wood = layered("Wood");
    ASSERT_TRUE(lib.addMaterial(wood));
    EXPECT_FALSE(lib.addMaterial(layered("wood")));
    EXPECT_EQ(lib.getMaterial("WOOD"), wood);
    const std::string id = lib.getUuidByName("wOOd");
    EXPECT_EQ(id.size(), 36u);
    EXPECT_EQ(wood->uuid, "");
    EXPECT_EQ(lib.getMaterialByUuid(id), wood);

    auto stone = layered("Stone");
    stone->uuid = "{stone}";
    ASSERT_TRUE(lib.addMaterial(stone));
    EXPECT_EQ(lib.getUuidByName("stone"), "{stone}");
    EXPECT_EQ(lib.getMaterialByUuid("{STONE}"), stone);
    EXPECT_FALSE(lib.getMaterialByUuid("nothing"));
    EXPECT_EQ(lib.getUuidByName("nothing"), "");

    std::vector<std::string> names = {"stale"};
    lib.listNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Stone", "Wood"}));
    lib.clear();
    lib.listNames(names);
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(lib.getMaterialByUuid("{stone}"));
}

TEST_F(Library, ReplacingKeepsTheIdentifierWithTheMaterial) {
    auto wood = layered("Wood");
    wood->uuid = "id-wood";
    lib.addMaterial(wood);
    lib.addMaterial(layered("Stone"));

    auto renamed = layered("Stone");
    EXPECT_FALSE(lib.replaceMaterial("Wood", renamed));  // the new name is taken
    EXPECT_FALSE(lib.replaceMaterial("Glass", layered("Glass")));
    EXPECT_FALSE(lib.replaceMaterial("Wood", nullptr));
    EXPECT_EQ(lib.getMaterial("Wood"), wood);

    auto sameName = layered("WOOD");
    ASSERT_TRUE(lib.replaceMaterial("wood", sameName));
    EXPECT_EQ(lib.getMaterial("Wood"), sameName);
    EXPECT_EQ(lib.getMaterialByUuid("id-wood"), sameName);
    std::vector<std::string> names;
    lib.listNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Stone", "WOOD"}));

    auto oak = layered("Oak");
    ASSERT_TRUE(lib.replaceMaterial("Wood", oak));
    EXPECT_TRUE(lib.isNameFree("Wood"));
    EXPECT_EQ(lib.getUuidByName("Oak"), "id-wood");
    EXPECT_EQ(lib.getMaterialByUuid("id-wood"), oak);
}

// Version 2 library records are read by the bundled scenes' sample outputs
// and written by the sample maker, whose samples are checked.
TEST_F(Library, RecordsOfVersionOneAndFailingMaterials) {
    std::vector<std::string> names;
    // Version 1 files through addMaterial: the second of two equal names is
    // read but not filed, and identifiers are made up for materials without.
    QuickArchive v1;
    v1.writeUInt32(0x10000);
    v1.writeUInt32(3);
    for (const char* name : {"Twin", "twin", "Other"}) {
        auto m = layered(name);
        m->double_sided = name[0] == 't' ? 0 : 1;
        v1.writeInt32(1);
        m->serialize(v1);
    }
    ASSERT_TRUE(lib.deserialize(v1));
    lib.listNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Other", "Twin"}));
    EXPECT_EQ(std::dynamic_pointer_cast<MaterialLayeredBRDF>(lib.getMaterial("twin"))->double_sided, 1);
    EXPECT_EQ(lib.getUuidByName("Other").size(), 36u);

    // A failing material ends the read; what was filed before stays.
    QuickArchive bad;
    bad.writeUInt32(0x20000);
    bad.writeUInt32(2);
    bad.writeInt32(1);
    layered("First")->serialize(bad);
    bad.writeInt32(15);
    EXPECT_FALSE(lib.deserialize(bad));
    lib.listNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"First"}));
}

TEST_F(Library, DefaultNamesComeFromTheLibrary) {
    lib.addMaterial(std::make_shared<MaterialLayeredBRDF>());
    EXPECT_EQ(MaterialToon().name, "DefaultMaterial1");
    EXPECT_TRUE(lib.isNameFree("DefaultMaterial1"));
}

// Exact documents: a chain flattened into one core asset, and each layout kind.
TEST_F(Library, FlattensAWrapperChainIntoOneLayeredAsset) {
    auto sides = std::make_shared<Material2Sided>();
    sides->name = "Sides";
    sides->front = layered("Front", "Paint");
    sides->back = layered("Back", "Primer");
    auto bump = std::make_shared<MaterialBump>();
    bump->name = "Brick";
    bump->bump_tex_mult = 2;
    bump->base_mtl = sides;
    EXPECT_EQ(materialDocument(bump), golden("flattened-bump.xml"));

    // Every wrapper adds its parameters, in a fixed order.
    auto displaced = std::make_shared<MaterialDisplaced>();
    displaced->base_mtl = layered("Core");
    auto exclusion = std::make_shared<MaterialObjectExclusion>();
    exclusion->name = "Outer";
    exclusion->mode = 1;
    exclusion->objects = {"Hidden"};
    auto override = std::make_shared<MaterialOverrideEnvironment>();
    override->override_gi = true;
    override->base_mtl = displaced;
    auto alpha = std::make_shared<MaterialAlphaContribution>();
    alpha->alpha = 0.5f;
    alpha->base_mtl = override;
    exclusion->base_mtl = alpha;
    EXPECT_EQ(materialDocument(exclusion), golden("flattened-wrappers.xml"));
}

TEST_F(Library, LayoutAssets) {
    auto blend = std::make_shared<MaterialAngleBlend>();
    blend->name = "Blend";
    blend->mtl_one = layered("One");
    EXPECT_EQ(materialDocument(blend), golden("angle-blend-layout.xml"));

    // A reference without an identifier is no usable side.
    auto sided = std::make_shared<Material2Sided>();
    sided->name = "Leaf";
    sided->front = layered("F");
    sided->back = std::make_shared<MaterialReference>();
    sided->force_1sided = true;
    EXPECT_EQ(materialDocument(sided), golden("two-sided-layout.xml"));

    auto skp = std::make_shared<MaterialSkp2Sided>();
    skp->name = "Skp";
    skp->front = layered("Out");
    skp->back = layered("In");
    EXPECT_EQ(materialDocument(skp), golden("skp-two-sided-layout.xml"));

    auto toon = std::make_shared<MaterialToon>();
    toon->name = "Ink";
    toon->base_mtl = layered("Core");
    toon->line_units = 3;
    EXPECT_EQ(materialDocument(toon), golden("toon-layout.xml"));
}

TEST_F(Library, ReferencesResolveThroughTheLibrary) {
    auto wood = layered("Wood", "Grain");
    wood->uuid = "id-wood";
    lib.addMaterial(wood);

    // Inside a chain the library's material is used, whatever the reference carries.
    auto reference = std::make_shared<MaterialReference>();
    reference->name = "RefWood";
    reference->referenceId = "id-wood";
    reference->resolved = layered("Stale", "Old");
    auto bump = std::make_shared<MaterialBump>();
    bump->name = "Rough";
    bump->base_mtl = reference;
    const std::string doc = materialDocument(bump);
    EXPECT_EQ(assetUrls(doc), (std::vector<std::string>{"/Rough/Grain", "/Rough"}));
    EXPECT_NE(doc.find("<entry>/Rough/Grain</entry>"), std::string::npos);
    EXPECT_EQ(findMaterialsOfType(bump, 1).front(), wood);

    // At the top a reference stands for the material it carries.
    EXPECT_EQ(assetUrls(materialDocument(reference)), (std::vector<std::string>{"/Stale/Old", "/Stale"}));
    reference->resolved = nullptr;
    EXPECT_EQ(materialDocument(reference), "  <Assets>\n  </Assets>\n");
    EXPECT_EQ(materialDocument(nullptr), "");

    // Without a library entry a reference inside a chain falls back on what it carries.
    lib.clear();
    reference->resolved = layered("Carried", "Kept");
    EXPECT_EQ(assetUrls(materialDocument(bump)), (std::vector<std::string>{"/Rough/Kept", "/Rough"}));

    // A library entry leading back into the chain is searched once.
    auto loop = std::make_shared<MaterialReference>();
    loop->name = "Loop";
    loop->uuid = "id-loop";
    loop->referenceId = "id-loop";
    lib.addMaterial(loop);
    auto around = std::make_shared<MaterialBump>();
    around->base_mtl = loop;
    EXPECT_TRUE(findMaterialsOfType(around, 1).empty());
    EXPECT_EQ(materialDocument(around), "  <Assets>\n  </Assets>\n");
}
