#include <gtest/gtest.h>

#include "MaterialTestSupport.h"
#include "RecordBuilder.h"

#include "materials/BRDFs.h"
#include "materials/BrdfMaterials.h"
#include "materials/CompositeMaterials.h"

using namespace KilnCore;

using MaterialRecords = EmptyLibraryTest;

// Records of every version, their names, unknown parts and bad identifiers
// are cases of RecordTableTest (golden/records.txt); here what a record
// cannot show.
TEST_F(MaterialRecords, MissingPartsCannotBeWritten) {
    QuickArchive none;
    EXPECT_FALSE(MaterialBump().serialize(none));
    MaterialLinked linked;
    EXPECT_FALSE(linked.serialize(none));
    EXPECT_EQ(none.writePos(), 0u);
    linked.linked = layered("L");
    linked.idData.kind = 5;
    EXPECT_FALSE(linked.serialize(none));
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
    libraryInUse().addMaterial(target);
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
    libraryInUse().addMaterial(self);
    QuickArchive loop;
    EXPECT_TRUE(self->serialize(loop));
    EXPECT_FALSE(self->resolved);
}
