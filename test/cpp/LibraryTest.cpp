#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"
#include "RecordBuilder.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "materials/MaterialConversion.h"
#include "materials/MaterialDocument.h"

#include <sstream>

using namespace KilnCore;

namespace {

using Library = EmptyLibraryTest;
SceneMaterials& lib = libraryInUse();

std::string nameOf(const SceneMaterials::MaterialRef& m) { return m ? m->name : "-"; }

}  // namespace

// The naming and filing rules, as data: golden/library.txt.
TEST_F(Library, OperationsAnswerAsTheTableSays) {
    std::istringstream table(golden("library.txt"));
    int line = 0;
    for (std::string text; std::getline(table, text);) {
        ++line;
        if (text.empty() || text[0] == '#') continue;
        std::istringstream words(text.substr(0, text.find(" = ")));
        std::string op, a, b, names, want = text.find(" = ") == std::string::npos ? "" : text.substr(text.find(" = ") + 3);
        words >> op >> a >> b;
        for (std::string* word : {&a, &b, &want})
            for (char& c : *word) c = c == '_' ? ' ' : c;
        a = a == "-" ? "" : a;
        std::string got;
        if (op == "add") {
            auto m = layered(a);
            m->uuid = b;
            got = std::to_string(lib.addMaterial(m));
        }
        if (op == "replace") got = std::to_string(lib.replaceMaterial(a, layered(b)));
        if (op == "unique") got = lib.uniqueName(a);
        if (op == "free") got = std::to_string(lib.isNameFree(a));
        if (op == "get") got = nameOf(lib.getMaterial(a));
        if (op == "byid") got = nameOf(lib.getMaterialByUuid(a));
        if (op == "id") got = lib.getUuidByName(a).size() == 36 && lib.getMaterial(a)->uuid.empty() ? "new" : lib.getUuidByName(a);
        if (op == "names") {
            std::vector<std::string> list = {"stale"};
            lib.listNames(list);
            for (const std::string& name : list) names += (names.empty() ? "" : ",") + name;
            got = names;
        }
        if (op == "clear") lib.reset();
        EXPECT_EQ(got.empty() && !want.empty() ? "-" : got, want) << "library.txt:" << line;
    }
}

// The empty key can only be filed directly, through a version 2 library
// record holding an old bump whose inline name is kept as read.
TEST_F(Library, TheEmptyNameAndNoMaterial) {
    EXPECT_FALSE(lib.addMaterial(nullptr));
    EXPECT_FALSE(lib.replaceMaterial("Wood", nullptr));
    Record blank;
    blank.u32(0x20000, 1).i32(3).u32(0x20000).s("").f(1).b(false).layeredChild("Base").u32(0);
    ASSERT_TRUE(lib.deserialize(blank.ar));
    ASSERT_TRUE(lib.getMaterial(""));
    EXPECT_EQ(lib.uniqueName("7"), "1");
}

TEST_F(Library, DefaultNamesComeFromTheLibrary) {
    lib.addMaterial(std::make_shared<MaterialLayeredBRDF>());
    EXPECT_EQ(createMaterial(MaterialType::Toon)->name, "DefaultMaterial1");
    EXPECT_TRUE(lib.isNameFree("DefaultMaterial1"));
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
    lib.reset();
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
