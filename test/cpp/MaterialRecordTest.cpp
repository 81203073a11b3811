#include <gtest/gtest.h>

#include "Golden.h"
#include "MaterialTestSupport.h"
#include "RecordBuilder.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"
#include "serial/ReadTrace.h"

using namespace KilnCore;

namespace {

using MaterialRecords = EmptyLibraryTest;

}  // namespace

TEST_F(MaterialRecords, TheNewestRecordsHaveTheirDocumentedLayout) {
    Diffuse_BRDF diffuse;
    diffuse.name = "D";
    Record expected;
    expected.u32(0x40000).c(0.5f, 0.5f, 0.5f).c(0, 0, 0).f(1).f(1).b(false).b(false);
    expected.u32(0x40000).s("D").b(true).b(false).b(false).b(false);
    EXPECT_EQ(recordOf(diffuse), bytesOf(expected.ar));

    MaterialBump bump;
    bump.name = "Brick";
    bump.bump_tex_mult = 2;
    bump.base_mtl = std::make_shared<MaterialLayeredBRDF>();
    bump.base_mtl->name = "Base";
    Record bumpRecord;
    bumpRecord.u32(0x30000).f(2).b(false).layeredChild("Base").baseMaterial("Brick");
    EXPECT_EQ(recordOf(bump), bytesOf(bumpRecord.ar));
}

TEST_F(MaterialRecords, InlineNamesOfFirstVersionsAreMadeUnique) {
    auto readLayeredV1 = [](const std::string& name) {
        Record v1;
        v1.u32(0x10000).u32(0).i32(0).i32(0).s(name);
        auto m = std::make_shared<MaterialLayeredBRDF>();
        EXPECT_TRUE(m->deserialize(v1.ar));
        return m;
    };
    SceneMaterials& library = SceneMaterials::instance();
    auto first = readLayeredV1("");
    EXPECT_EQ(first->name, "DefaultMaterial");
    EXPECT_EQ(first->double_sided, 0);
    EXPECT_EQ(first->extraInt2, 1);
    library.addMaterial(first);
    EXPECT_EQ(readLayeredV1("")->name, "DefaultMaterial1");
    EXPECT_EQ(readLayeredV1("Brick7")->name, "Brick");
    EXPECT_EQ(readLayeredV1("defaultmaterial")->name, "defaultmaterial1");

    // A base record keeps a name the library already holds, but loses
    // control characters; an empty one becomes a free default name.
    Record v2;
    v2.u32(0x20000).u32(0).i32(1).i32(0).baseMaterial("DefaultMaterial");
    MaterialLayeredBRDF kept;
    ASSERT_TRUE(kept.deserialize(v2.ar));
    EXPECT_EQ(kept.name, "DefaultMaterial");
    Record tab;
    tab.u32(0x20000).u32(0).i32(1).i32(0).baseMaterial("A\tB");
    ASSERT_TRUE(kept.deserialize(tab.ar));
    EXPECT_EQ(kept.name, "AB");
    Record empty;
    empty.u32(0x20000).u32(0).i32(1).i32(0).baseMaterial("");
    ASSERT_TRUE(kept.deserialize(empty.ar));
    EXPECT_EQ(kept.name, "DefaultMaterial1");
    Record named;  // a BRDF's name loses them too
    named.u32(0x30000).c(1, 1, 1).c(0, 0, 0).f(1).f(1).b(false).b(false).u32(0x10000).s("La\x01yer");
    Diffuse_BRDF diffuse;
    EXPECT_TRUE(diffuse.deserialize(named.ar));
    EXPECT_EQ(diffuse.name, "Layer");
}

// Old versions, unknown parts and bad identifiers are cases of
// RecordTableTest (golden/records.txt); here what a record cannot show.
TEST_F(MaterialRecords, MissingPartsCannotBeWrittenAndReadsResetFirst) {
    for (int32_t id = 0; id <= 14; ++id) EXPECT_FALSE(createMaterial(id)->deserialize(Record().u32(0x10001).ar)) << id;
    QuickArchive none;
    EXPECT_FALSE(MaterialBump().serialize(none));
    MaterialLinked linked;
    EXPECT_FALSE(linked.serialize(none));
    EXPECT_EQ(none.writePos(), 0u);
    linked.linked = layered("L");
    linked.idData.kind = 5;
    EXPECT_FALSE(linked.serialize(none));

    MaterialLayeredBRDF layeredTagged;  // resets before it rejects a tag
    layeredTagged.double_sided = 0;
    EXPECT_FALSE(layeredTagged.deserialize(Record().u32(0x40001).ar));
    EXPECT_EQ(layeredTagged.double_sided, 1);
}

TEST_F(MaterialRecords, HostileCountsAndDepthsEndTheReadQuietly) {
    Record huge;
    huge.u32(0x20000).u32(0xFFFFFFFF).layeredChild("Only");
    MaterialMulti multi;
    EXPECT_FALSE(multi.deserialize(huge.ar));
    EXPECT_EQ(multi.materials.size(), 1u);

    // Bumps, each holding the next, then a layered material: 256 levels of
    // records (the layered material's base record the deepest) read, one
    // more fails at the bound instead of running on towards the stack's end.
    const auto chain = [](int bumps) {
        Record r;
        for (int i = 1; i < bumps; ++i) r.u32(0x30000).f(1).b(false).i32(3);
        r.u32(0x30000).f(1).b(false).layeredChild("Core");
        for (int i = 0; i < bumps; ++i) r.baseMaterial("Bump");
        return r;
    };
    Record fine = chain(254), deep = chain(255);
    EXPECT_TRUE(MaterialBump().deserialize(fine.ar));
    EXPECT_FALSE(MaterialBump().deserialize(deep.ar));
    EXPECT_EQ(deep.ar.depth(), 0);
}

TEST_F(MaterialRecords, ReferencesCarryTheLibraryMaterialAsItIsWhenWritten) {
    MaterialReference reference;
    reference.name = "Ref";
    reference.referenceId = "id-1";
    reference.resolved = layered("Stale");
    QuickArchive unresolved;
    ASSERT_TRUE(reference.serialize(unresolved));
    EXPECT_FALSE(reference.resolved);

    auto target = layered("Target");
    target->uuid = "id-1";
    SceneMaterials::instance().addMaterial(target);
    QuickArchive ar;
    ASSERT_TRUE(reference.serialize(ar));
    MaterialReference back;
    ASSERT_TRUE(back.deserialize(ar));
    ASSERT_TRUE(back.resolved);
    EXPECT_EQ(back.resolved->name, "Target");

    // A library entry that leads back to the reference itself is not carried.
    auto self = std::make_shared<MaterialReference>();
    self->name = "Loop";
    self->uuid = "id-loop";
    self->referenceId = "id-loop";
    SceneMaterials::instance().addMaterial(self);
    QuickArchive loop;
    EXPECT_TRUE(self->serialize(loop));
    EXPECT_FALSE(self->resolved);
}
