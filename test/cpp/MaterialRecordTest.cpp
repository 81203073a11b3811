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

namespace {

std::string xmlOf(Base_BRDF& brdf) {
    std::string out;
    AssetXmlWriter writer(out);
    brdf.writeXML(writer, "");
    return out;
}

// A BRDF of the type with fields set away from their defaults, as a record
// read earlier would leave it.
std::shared_ptr<Base_BRDF> dirtyBrdf(int32_t type) {
    const auto make = [](auto brdf) -> std::shared_ptr<Base_BRDF> {
        brdf->transparency = {4, 5, 6};
        brdf->color_tex_mult = 7;
        brdf->name = "Dirty";
        brdf->flag1 = false;
        return brdf;
    };
    switch (type) {
        case 1: return make(std::make_shared<Glass_BRDF>());
        case 2: return make(std::make_shared<Diffuse_BRDF>());
        case 8: return make(std::make_shared<Phong_BRDF>());
        case 16: return make(std::make_shared<Mirror_BRDF>());
        default: return make(std::make_shared<Light_BRDF>());
    }
}

// Reads a whole old record into a dirty BRDF; gives the parameters that
// differ from those of a default BRDF of its type, as "name=value" items.
std::string changedBrdfParams(int32_t type, const Record& record, std::shared_ptr<Base_BRDF>* read = nullptr) {
    auto brdf = dirtyBrdf(type);
    QuickArchive in = record.ar;
    EXPECT_TRUE(brdf->deserialize(in)) << type;
    EXPECT_EQ(in.readPos(), in.writePos()) << type << ": the whole record is read";
    const std::string out = paramChanges(xmlOf(*createBRDF(type)), xmlOf(*brdf));
    if (read) *read = brdf;
    return out;
}

}  // namespace

// Old records land their values in the right parameters; everything a
// version lacks is reset, except the glass fields no version reads.
TEST_F(MaterialRecords, OldBrdfVersionsFillTheirFieldsAndResetTheRest) {
    Record diffuse, mirror, phong, light, glass;
    diffuse.u32(0x20000).c(0.1f, 0.2f, 0.3f).c(0.4f, 0.5f, 0.6f).f(2, 3).b(false, false);  // no base record
    mirror.u32(0x20000).c(1, 0, 0).c(0, 1, 0).f(0.5f, 99, 0.25f).i32(0, 3).s("").f(4).s("");  // 99 is dropped
    phong.u32(0x10000).c(1, 1, 0).c(0, 0, 1).f(0.7f, 0.8f, 99, 0.05f).i32(16, 0, 1, 6);
    light.u32(0x10000).c(2, 2, 2).f(30, 0.5f).s("");
    glass.u32(0x10000).c(0.9f, 0.9f, 0.9f).c(0.1f, 0.2f, 0.3f).f(1.33f, 1.4f, 0.01f, 2, 0.8f).i32(7, 12, 1, 1);
    const std::tuple<int32_t, Record*, std::string> rows[] = {
        {2, &diffuse, "color=0.1,0.2,0.3 transparency=0.4,0.5,0.6 color_tex_mult=2 transparency_tex_mult=3"},
        {16, &mirror,
         "color=1,0,0 transparency=0,1,0 color_tex_mult=4 transparency_tex_mult=0.5 cutoff=0.25 transparency_tex= "
         "color_tex="},
        {8, &phong,
         "color=1,1,0 transparency=0,0,1 hilightGlossiness=0.7 reflectionGlossiness=0.8 cutoff=0.05 subdivs=16 "
         "back_side=1"},
        {32, &light, "color=2,2,2 intensity=30 transparency_tex_mult=0.5"},
        {1, &glass,
         "color=0.9,0.9,0.9 transparency=4,5,6 fog_color=0.1,0.2,0.3 affect_shadows=1 affect_alpha=1 ior=1.33 "
         "fog_color_mult=2 glossiness=0.8 cutoff=0.01 color_tex_mult=7 subdivs=12"},
    };
    std::vector<std::shared_ptr<Base_BRDF>> read(std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& [type, record, expected] = rows[i];
        EXPECT_EQ(changedBrdfParams(type, *record, &read[i]), expected) << type;
        EXPECT_EQ(read[i]->name, read[i]->pluginType()) << type;
        EXPECT_TRUE(read[i]->flag1) << type;
    }
    // Fields no document shows.
    EXPECT_EQ(std::static_pointer_cast<Mirror_BRDF>(read[1])->extraInt1, 3);
    EXPECT_EQ(std::static_pointer_cast<Phong_BRDF>(read[2])->extraInt1, 6);
    EXPECT_EQ(std::static_pointer_cast<Light_BRDF>(read[3])->extraFloat1, 1);
    EXPECT_EQ(std::static_pointer_cast<Glass_BRDF>(read[4])->extraInt1, 7);
    EXPECT_EQ(std::static_pointer_cast<Glass_BRDF>(read[4])->extraFloat1, 1.4f);
}

TEST_F(MaterialRecords, BrdfFailures) {
    for (int32_t id : {1, 2, 4, 8, 16, 32}) {
        std::shared_ptr<Base_BRDF> brdf = createBRDF(id);
        QuickArchive tagged;
        tagged.writeUInt32(0x30001);
        EXPECT_FALSE(brdf->deserialize(tagged)) << id;
        EXPECT_EQ(tagged.readPos(), 4u) << id;

        // A base record of version 5 fails the whole record.
        QuickArchive written;
        ASSERT_TRUE(createBRDF(id)->serialize(written));
        const std::vector<uint8_t> bytes = bytesOf(written);
        std::vector<uint8_t> bad = bytes;
        const std::string name(brdf->pluginType());
        const size_t baseAt = bad.size() - 4 - 4 - name.size() - 3 - (id == 2 ? 1 : id == 32 ? 4 : 0);
        ASSERT_EQ(bad[baseAt + 2], 4) << id;
        bad[baseAt + 2] = 5;
        QuickArchive badArchive(bad.data(), bad.size());
        EXPECT_FALSE(createBRDF(id)->deserialize(badArchive)) << id;
    }
    EXPECT_FALSE(createBRDF(3));
    EXPECT_FALSE(createBRDF(64));

    // A control character in a BRDF name is removed.
    Record named;
    named.u32(0x30000).c(1, 1, 1).c(0, 0, 0).f(1).f(1).b(false).b(false).u32(0x10000).s("La\x01yer");
    Diffuse_BRDF diffuse;
    EXPECT_TRUE(diffuse.deserialize(named.ar));
    EXPECT_EQ(diffuse.name, "Layer");
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
}

TEST_F(MaterialRecords, OldMaterialVersionsLeaveMissingFieldsAtTheirDefaults) {
    // Single BRDF version 1: inline name, then the BRDF.
    Record single;
    single.u32(0x10000).i32(3).i32(4).s("Wall12").i32(2);
    Diffuse_BRDF().serialize(single.ar);
    MaterialSingleBRDF s;
    ASSERT_TRUE(s.deserialize(single.ar));
    EXPECT_EQ(s.name, "Wall");
    EXPECT_EQ(s.extraInt2, 4);
    ASSERT_TRUE(s.brdf);
    EXPECT_EQ(s.brdf->typeId(), 2);

    // Layered version 3 has no extraInt4.
    Record layeredV3;
    layeredV3.u32(0x30000).u32(0).i32(0).i32(5).i32(6).i32(7).baseMaterial("L3");
    MaterialLayeredBRDF l;
    l.extraInt4 = 9;
    ASSERT_TRUE(l.deserialize(layeredV3.ar));
    EXPECT_EQ(l.extraInt3, 7);
    EXPECT_EQ(l.extraInt4, 0);

    // Multi version 1: materials, then an inline name.
    Record multi;
    multi.u32(0x10000).u32(1).layeredChild("Part").s("");
    MaterialMulti mm;
    ASSERT_TRUE(mm.deserialize(multi.ar));
    ASSERT_EQ(mm.materials.size(), 1u);
    EXPECT_EQ(mm.materials[0]->name, "Part");
    EXPECT_EQ(mm.name, "DefaultMaterial");

    // Bump version 2: the inline name is kept as read.
    Record bumpV2;
    bumpV2.u32(0x20000).s("Brick7").f(0.5f).b(false).layeredChild("Base");
    MaterialBump bump;
    ASSERT_TRUE(bump.deserialize(bumpV2.ar));
    EXPECT_EQ(bump.name, "Brick7");
    EXPECT_EQ(bump.bump_tex_mult, 0.5f);
    EXPECT_EQ(bump.base_mtl->name, "Base");

    // Two-sided version 1 has no transparency.
    Record twoSided;
    twoSided.u32(0x10000).b(true).layeredChild("F").b(false).b(false).c(0.5f, 0.5f, 0.5f).f(2).b(true);
    Material2Sided ts;
    ASSERT_TRUE(ts.deserialize(twoSided.ar));
    EXPECT_EQ(ts.front->name, "F");
    EXPECT_FALSE(ts.back);
    EXPECT_EQ(ts.translucency, (Color{0.5f, 0.5f, 0.5f}));
    EXPECT_TRUE(ts.force_1sided);
    EXPECT_EQ(ts.transparency_tex_mult, 1);

    // Displaced version 1 stops after the texture multiplier.
    Record displaced;
    displaced.u32(0x10000).baseMaterial("D").b(false).b(false).f(3);
    MaterialDisplaced d;
    d.displace_max_subdivs = 3;
    ASSERT_TRUE(d.deserialize(displaced.ar));
    EXPECT_EQ(d.displace_tex_mult, 3);
    EXPECT_EQ(d.displace_max_subdivs, 256);
    EXPECT_EQ(d.displace_edge_length, 4);

    // Object exclusion version 1 has no base record and no short_circuit.
    Record exclusion;
    exclusion.u32(0x10000).i32(1).b(false).u32(2).s("Cube").s("Cone");
    MaterialObjectExclusion e;
    e.name = "Mine";
    e.short_circuit = false;
    ASSERT_TRUE(e.deserialize(exclusion.ar));
    EXPECT_EQ(e.name, "Mine");
    EXPECT_TRUE(e.short_circuit);
    EXPECT_EQ(e.objects, (std::vector<std::string>{"Cube", "Cone"}));

    // Reference version 1 carries no resolved material.
    Record reference;
    reference.u32(0x10000).baseMaterial("R").s("some-id");
    MaterialReference r;
    ASSERT_TRUE(r.deserialize(reference.ar));
    EXPECT_EQ(r.referenceId, "some-id");
    EXPECT_FALSE(r.resolved);

    // Toon version 1 stops after the base record.
    MaterialToon toon;
    toon.do_silhouette_mult = true;
    toon.silhouette_mult = 4;
    std::vector<uint8_t> toonV2 = recordOf(toon);
    toonV2[2] = 1;
    toonV2.resize(toonV2.size() - 5);
    QuickArchive toonV1(toonV2.data(), toonV2.size());
    MaterialToon readToon;
    ASSERT_TRUE(readToon.deserialize(toonV1));
    EXPECT_FALSE(readToon.do_silhouette_mult);
    EXPECT_EQ(readToon.silhouette_mult, 1.5f);
}

TEST_F(MaterialRecords, MaterialFailures) {
    for (int32_t id = 0; id <= 14; ++id) {
        QuickArchive tagged;
        tagged.writeUInt32(0x10001);
        EXPECT_FALSE(createMaterial(id)->deserialize(tagged)) << id;
    }
    EXPECT_FALSE(createMaterial(15));
    EXPECT_FALSE(createMaterial(-1));

    // An unknown nested material fails the read and says where.
    Record unknown;
    unknown.u32(0x30000).f(1).b(false).i32(99);
    ReadTrace trace;
    unknown.ar.setTrace(&trace);
    MaterialBump bump;
    EXPECT_FALSE(bump.deserialize(unknown.ar));
    EXPECT_EQ(trace.failureText(), "MaterialBump @0x9: unknown material type 99\n");
    // A mandatory part cannot be written when it is missing.
    QuickArchive none;
    EXPECT_FALSE(bump.serialize(none));
    EXPECT_EQ(none.writePos(), 0u);

    // A linked material needs its linked material and a known identifier kind.
    MaterialLinked linked;
    QuickArchive nothing;
    EXPECT_FALSE(linked.serialize(nothing));
    EXPECT_EQ(nothing.writePos(), 0u);
    linked.linked = layered("L");
    linked.idData.kind = 5;
    QuickArchive badKind;
    EXPECT_FALSE(linked.serialize(badKind));
    Record kindFive;
    kindFive.u32(0x10000).u32(0x10000).i32(5).i32(0);
    EXPECT_FALSE(MaterialLinked().deserialize(kindFive.ar));
    Record idVersion2;
    idVersion2.u32(0x10000).u32(0x20000).i32(2).i32(7);
    EXPECT_FALSE(MaterialLinked().deserialize(idVersion2.ar));

    QuickArchive instanceV2;
    instanceV2.writeUInt32(0x20000);
    EXPECT_FALSE(MaterialInstance().deserialize(instanceV2));

    // The layered material resets before it rejects a tag.
    MaterialLayeredBRDF layeredTagged;
    layeredTagged.double_sided = 0;
    QuickArchive word;
    word.writeUInt32(0x40001);
    EXPECT_FALSE(layeredTagged.deserialize(word));
    EXPECT_EQ(layeredTagged.double_sided, 1);
}

TEST_F(MaterialRecords, HostileCountsAndDepthsEndTheReadQuietly) {
    Record huge;
    huge.u32(0x20000).u32(0xFFFFFFFF).layeredChild("Only");
    MaterialMulti multi;
    EXPECT_FALSE(multi.deserialize(huge.ar));
    EXPECT_EQ(multi.materials.size(), 1u);

    // A million bumps, each holding the next: the read fails at the depth
    // bound instead of running out of stack.
    Record deep;
    for (int i = 0; i < 1000000; ++i) deep.u32(0x30000).f(1).b(false).i32(3);
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
