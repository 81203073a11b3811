#include <gtest/gtest.h>

#include "Golden.h"
#include "RecordBuilder.h"

#include "lights/DomeLight.h"
#include "lights/IESLight.h"
#include "lights/LightConversion.h"
#include "lights/MayaDirectLight.h"
#include "lights/OmniLight.h"
#include "lights/RectangleLight.h"
#include "lights/SphereLight.h"
#include "lights/SpotLight.h"
#include "lights/SunLight.h"
#include "serial/ReadTrace.h"

using namespace KilnCore;

namespace {

// A quarter turn about z, moved to (10, 20, 30).
Transform turned() {
    Transform t;
    t.matrix.e[0] = {0, 1, 0};
    t.matrix.e[1] = {-1, 0, 0};
    t.matrix.e[2] = {0, 0, 1};
    t.offset = {10, 20, 30};
    return t;
}

std::string xmlOf(BaseLight& light) {
    std::string out;
    AssetXmlWriter writer(out);
    light.writeXML(writer, "");
    return out;
}

// Reads the record into a new light of the type, expects the read to succeed
// and the light to write the very same bytes back.
template <class L>
std::shared_ptr<L> readBack(const Record& record) {
    auto light = std::dynamic_pointer_cast<L>(createLight(L::kTypeId));
    QuickArchive in = record.ar;
    EXPECT_TRUE(light->deserialize(in));
    EXPECT_EQ(recordOf(*light), bytesOf(record.ar));
    EXPECT_TRUE(light->isEqual(light->clone()));
    EXPECT_FALSE(light->isEqual(createLight(L::kTypeId)));
    return light;
}

// Reads a whole old record; gives the light's parameters that differ from
// those of a default light of its type, as "name=value" items.
std::string changedParams(int32_t type, const Record& record, std::shared_ptr<BaseLight>* read = nullptr) {
    auto light = createLight(type);
    QuickArchive in = record.ar;
    EXPECT_TRUE(light->deserialize(in)) << type;
    EXPECT_EQ(in.readPos(), in.writePos()) << type << ": the whole record is read";
    const std::string out = paramChanges(xmlOf(*createLight(type)), xmlOf(*light));
    if (read) *read = light;
    return out;
}

}  // namespace

TEST(LightFactory, CreatesTheSevenReadableKinds) {
    const std::pair<int32_t, std::string_view> made[] = {{0, "MayaLightDirect"}, {2, "LightOmni"},
                                                         {3, "LightRectangle"},  {4, "LightSpot"},
                                                         {5, "SunLight"},        {6, "LightIES"},
                                                         {7, ""}};
    for (const auto& [id, plugin] : made) {
        auto light = createLight(id);
        ASSERT_TRUE(light) << id;
        EXPECT_EQ(light->typeId(), id);
        EXPECT_EQ(light->pluginType(), plugin);
        EXPECT_EQ(light->category(), "light");
    }
    for (int32_t id : {1, 8, -1, 9}) EXPECT_FALSE(createLight(id)) << id;
    EXPECT_EQ(lightTypeName(0), "Infinite Direct Light");
    EXPECT_EQ(lightTypeName(1), "Positional Direct Light");
    EXPECT_EQ(lightTypeName(6), "IES Light");
    EXPECT_EQ(lightTypeName(8), "Invalid Light");
    EXPECT_EQ(lightTypeName(9), "");
    EXPECT_EQ(lightTypeName(-1), "");
}

TEST(LightFamily, OmniReadsWritesAndWritesItsAsset) {
    Record r;
    r.u32(0x00040000).c(1, 0.5f, 0.25f).c(0.125f, 0.25f, 0.375f);
    r.f(0.5f, 0.75f, 2, 40, 3).i32(1).u32(501, 1001).i32(4).b(false, true).u32(9).f(1.5f);
    r.xform(turned()).b(true, false);
    auto omni = readBack<OmniLight>(r);
    EXPECT_EQ(omni->lightFactor, 3.0f);
    EXPECT_EQ(omni->lightMode, 4);
    EXPECT_EQ(xmlOf(*omni), golden("omni-light.xml"));
}

TEST(LightFamily, SpotReadsWritesAndAlwaysWritesLegacyMode) {
    Record r;
    r.u32(0x00040000).c(1, 0.5f, 0.25f).c(0.125f, 0.25f, 0.375f);
    r.f(0.5f, 21, 22, 23, 24, 0.75f, 2, 40, 3).i32(1).u32(501, 1001).i32(4);
    r.b(false, true, true).u32(9).f(1.5f).xform(Transform{}).f(1.25f, 0.0625f).b(true, false);
    auto spot = readBack<SpotLight>(r);
    EXPECT_EQ(spot->lightFactor, 3.0f);
    EXPECT_EQ(spot->lightMode, 4);
    EXPECT_EQ(xmlOf(*spot), golden("spot-light.xml"));
}

TEST(LightFamily, SunReadsWritesAndWritesItsAsset) {
    Record r;
    r.u32(0x00040000).vec(0, 1, 0.5f).f(0.25f, 4, 2.5f, 1.5f, 2, 60, 160, 0.5f).i32(501, 1001, 9);
    r.b(false).s("1b4e28ba-2fa1-41d2-883f-0016d3cca427").s("Noon").b(true, true);
    r.anim({{0.0, turned()}, {2.0, Transform{}}});
    auto sun = readBack<SunLight>(r);
    EXPECT_EQ(sun->sunGuid, "1b4e28ba-2fa1-41d2-883f-0016d3cca427");
    EXPECT_EQ(sun->sunName, "Noon");
    EXPECT_EQ(sun->transform.keyCount(), 2);
    EXPECT_EQ(xmlOf(*sun), golden("sun-light.xml"));
}

TEST(LightFamily, RectangleReadsWritesAndWritesItsAsset) {
    Record r;
    r.u32(0x00040000).c(1, 0.5f, 0.25f).c(0.125f, 0.25f, 0.375f).f(0.5f, 0.75f, 40, 3).i32(1);
    r.u32(9, 1001, 501).i32(4).b(true, false, true, false, false, true, false, true).xform(turned());
    r.f(2, 3).b(false, true, false);
    auto rect = readBack<RectangleLight>(r);
    EXPECT_EQ(rect->lightFactor, 3.0f);
    EXPECT_EQ(rect->lightMode, 4);
    EXPECT_EQ(xmlOf(*rect), golden("rectangle-light.xml"));
}

TEST(LightFamily, MayaDirectReadsWritesAndWritesNoTransform) {
    Record r;
    r.u32(0x00040000).c(1, 0.5f, 0.25f).c(0.125f, 0.25f, 0.375f).f(0.75f, 40, 3);
    r.u32(1001, 501).i32(4).b(false, true).u32(9).f(1.5f).anim({{0.0, turned()}, {1.0, Transform{}}});
    auto maya = readBack<MayaDirectLight>(r);
    EXPECT_EQ(maya->lightFactor, 3.0f);
    EXPECT_EQ(maya->lightMode, 4);
    EXPECT_EQ(maya->transform.valueAt(0.0), turned());
    EXPECT_EQ(xmlOf(*maya), golden("maya-direct-light.xml"));
}

TEST(LightFamily, IESReadsWritesAndWritesItsFileName) {
    Record r;
    r.u32(0x00030000).xform(turned()).c(1, 0.5f, 0.25f).c(0.125f, 0.25f, 0.375f).c(0.5f, 0.75f, 1);
    r.f(0.75f, 0.5f).u32(501, 1001, 9).b(false, true, true).s("C:\\ies\\a&b.ies").b(true, false).f(40);
    auto ies = readBack<IESLight>(r);
    EXPECT_EQ(xmlOf(*ies), golden("ies-light.xml"));
}

// The sphere light writes no asset, so its fields are compared by name.
TEST(LightFamily, SphereReadsAndWritesButHasNoAsset) {
    Record r;
    r.u32(0x00020000).xform(turned()).c(1, 0.5f, 0.25f).c(0.125f, 0.25f, 0.375f);
    r.f(0.75f, 0.5f, 40, 3).u32(501, 1001, 7, 9).b(false, true, true, false, true, false, true, false);
    auto sphere = readBack<SphereLight>(r);
    SphereLight expected;
    expected.transform = turned();
    expected.color = {1, 0.5f, 0.25f};
    expected.shadowColor = {0.125f, 0.25f, 0.375f};
    expected.shadowBias = 0.75f;
    expected.cutoffThreshold = 0.5f;
    expected.intensity = 40;
    expected.lightFactor = 3;
    expected.photonSubdivs = 501;
    expected.causticSubdivs = 1001;
    expected.count3 = 7;
    expected.shadowSubdivs = 9;
    expected.enabled = expected.affectDiffuse = expected.flag8 = false;
    expected.flag3 = expected.flag5 = true;
    EXPECT_TRUE(sphere->isEqual(expected.clone()));
    EXPECT_EQ(xmlOf(*sphere), "");

    Record v1;  // version 1 holds five of the eight flags
    v1.u32(0x00010000).xform(turned()).c(1, 1, 1).c(0, 0, 0).f(0, 0.005f, 1, 1);
    v1.u32(500, 1000, 0, 8).b(false, false, true, true, true);
    SphereLight old;
    ASSERT_TRUE(old.deserialize(v1.ar));
    SphereLight expectedOld;
    expectedOld.transform = turned();
    expectedOld.enabled = expectedOld.shadows = false;
    expectedOld.flag3 = expectedOld.flag4 = expectedOld.flag5 = true;
    EXPECT_TRUE(old.isEqual(expectedOld.clone()));
}

// Old records land their values in the right parameters; every parameter a
// version lacks keeps its default.
TEST(LightFamily, OldRecordsFillTheirFieldsAndLeaveTheRestAtDefaults) {
    const std::string t = "transform=0,1,0,-1,0,0,0,0,1,10,20,30";
    Record omni, spot, rect, maya, ies, sun1, sun3;
    omni.u32(0x00010000).c(1, 0.5f, 0.25f).f(0.75f, 2, 40, 3).u32(501, 1001, 4).b(false);
    spot.u32(0x00020000).c(1, 0.5f, 0.25f).f(0.75f, 2, 40, 3).u32(501, 1001).i32(4);
    spot.b(false, false).u32(9).f(1.5f).xform(turned()).f(1.25f, 0.0625f);
    rect.u32(0x00020000).c(1, 0.5f, 0.25f).f(0.75f, 40, 3).u32(9, 1001, 501, 4);
    rect.b(true, true, true, true, false, true, false, false).xform(turned()).f(2, 3);
    maya.u32(0x00020000).c(1, 0.5f, 0.25f).f(0.75f, 40, 3).u32(1001, 501, 4).b(false, false);
    maya.u32(9).f(1.5f).xform(turned());  // version 2 keeps a plain transform
    ies.u32(0x00010000).xform(turned()).c(1, 0.5f, 0.25f).c(0.125f, 0.25f, 0.375f);
    ies.c(0.5f, 0.75f, 1).f(0.75f, 0.5f).u32(501, 1001, 9).b(false, false, true).s("a.ies");
    sun1.u32(0x00010000).xform(turned()).vec(0, 1, 0.5f).f(0.25f, 4, 2.5f, 1.5f, 2, 60, 160, 0.5f);
    sun1.i32(501, 1001, 9).b(false);
    sun3.u32(0x00030000).xform(Transform{}).vec(0, 0, 1).f(0, 3, 2, 1, 1, 50, 150, 0.35f).i32(500, 1000, 8);
    sun3.b(true).s("id", "Dusk").b(false, true);
    const std::tuple<int32_t, Record*, std::string> rows[] = {
        {2, &omni,
         "color=1,0.5,0.25 shadowBias=0.75 decay=2 intensity=40 photonSubdivs=501 causticSubdivs=1001 enabled=0"},
        {4, &spot,
         "color=1,0.5,0.25 shadowBias=0.75 decay=2 intensity=40 shadowRadius=1.5 coneAngle=1.25 "
         "penumbraAngle=0.0625 photonSubdivs=501 causticSubdivs=1001 shadowSubdivs=9 enabled=0 shadows=0 " + t},
        {3, &rect,
         "color=1,0.5,0.25 shadowBias=0.75 intensity=40 u_size=2 v_size=3 photonSubdivs=501 causticSubdivs=1001 "
         "subdivs=9 enabled=0 doubleSided=1 invisible=1 lightPortal=1 noDecay=1 storeWithIrradianceMap=1 "
         "ignoreLightNormals=0 shadows=0 " + t},
        {0, &maya,
         "color=1,0.5,0.25 shadowBias=0.75 shadowRadius=1.5 intensity=40 causticSubdivs=1001 photonSubdivs=501 "
         "shadowSubdivs=9 enabled=0 shadows=0"},
        {6, &ies,
         t + " color=1,0.5,0.25 shadowColor=0.125,0.25,0.375 filter_color=0.5,0.75,1 shadowBias=0.75 "
                "cutoffThreshold=0.5 photonSubdivs=501 causticSubdivs=1001 shadow_subdivs=9 enabled=0 shadows=0 "
                "soft_shadows=1 ies_file=a.ies"},
        {5, &sun1,
         "up_vector=0,1,0.5 shadowBias=0.25 turbidity=4 water_vapour=2.5 intensity_multiplier=1.5 "
         "size_multiplier=2 photon_radius=60 photon_emit_distance=160 ozone=0.5 photonSubdivs=501 "
         "causticSubdivs=1001 shadow_subdivs=9 shadows=0 " + t},
        {5, &sun3,
         "enabled=0 invisible=1"},
    };
    for (const auto& [type, record, expected] : rows) EXPECT_EQ(changedParams(type, *record), expected) << type;

    std::shared_ptr<BaseLight> read;
    changedParams(0, maya, &read);
    EXPECT_EQ(std::static_pointer_cast<MayaDirectLight>(read)->transform.valueAt(0.0), turned());
    changedParams(5, sun1, &read);
    EXPECT_EQ(std::static_pointer_cast<SunLight>(read)->sunGuid.size(), 36u) << "a new identifier";
    changedParams(5, sun3, &read);
    EXPECT_EQ(std::static_pointer_cast<SunLight>(read)->sunName, "Dusk");
}

// Every version of every light reads exactly its own length: zero bytes for
// the plain fields (empty texts) and one valid animated transform where the
// version holds one.
TEST(LightFamily, EveryVersionReadsItsWholeRecord) {
    struct Layout {
        int32_t type;
        uint32_t version;
        size_t bytes;   // the whole record
        size_t animAt;  // where the animated transform record starts, or 0
    };
    const size_t anim = 68;  // one key
    const Layout layouts[] = {
        {0, 1, 41, 0},   {0, 2, 98, 0},   {0, 3, 50 + anim, 50}, {0, 4, 62 + anim, 62},
        {2, 1, 45, 0},   {2, 2, 102, 0},  {2, 3, 122, 0},        {2, 4, 124, 0},
        {3, 1, 51, 0},   {3, 2, 108, 0},  {3, 3, 128, 0},        {3, 4, 131, 0},
        {4, 1, 45, 0},   {4, 2, 110, 0},  {4, 3, 147, 0},        {4, 4, 149, 0},
        {5, 1, 109, 0},  {5, 2, 117, 0},  {5, 3, 119, 0},        {5, 4, 71 + anim, 71},
        {6, 1, 115, 0},  {6, 2, 117, 0},  {6, 3, 121, 0},
        {7, 1, 113, 0},  {7, 2, 116, 0},
    };
    for (const Layout& layout : layouts) {
        Record r;
        r.u32(layout.version << 16);
        const std::vector<uint8_t> zeros(200, 0);
        if (layout.animAt) {
            r.ar.writeBytes(zeros.data(), layout.animAt - 4);
            r.anim({{0.0, Transform{}}});
        }
        r.ar.writeBytes(zeros.data(), zeros.size());
        auto light = createLight(layout.type);
        EXPECT_TRUE(light->deserialize(r.ar)) << layout.type << " v" << layout.version;
        EXPECT_EQ(r.ar.readPos(), layout.bytes) << layout.type << " v" << layout.version;
    }
}

TEST(LightFamily, BadRecordsFailTheConversion) {
    const auto omniV4Start = [] { return Record().u32(0x00040000).c(1, 1, 1); };
    const std::pair<int32_t, Record> bad[] = {
        {2, Record().u32(0x00040001).c(1, 1, 1)},  // tag 1
        {2, Record().u32(0x00050000)},
        {2, Record().u32(0x00000000)},
        {6, Record().u32(0x00040000)},  // the IES light reads up to version 3
        {7, Record().u32(0x00030000)},
        {0, Record().u32(0x00040000).c(1, 1, 1).c(0, 0, 0).f(0, 1, 1).u32(1000, 500).i32(3)
                .b(true, true).u32(8).f(0).anim({{0.0, Transform{}}}, 4)},
        {5, Record().u32(0x00040000).vec(0, 0, 1).f(0, 3, 2, 1, 1, 50, 150, 0.35f).i32(500, 1000, 8)
                .b(true).s("id").s("").b(true, false).anim({{0.0, Transform{}}}, 4)},
        {1, omniV4Start()},
        {8, Record().u32(0x00010000)},
        {-1, omniV4Start()},
    };
    for (const auto& [type, record] : bad) {
        QuickArchive in = record.ar;
        std::string xml = "kept";
        EXPECT_FALSE(convertLightRecord(in, type, xml)) << type;
        EXPECT_EQ(xml, "kept");
    }
}

TEST(LightFamily, AFailedReadLeavesTheDefaultsAndSaysWhy) {
    OmniLight omni;
    omni.intensity = 99;
    QuickArchive badVersion = Record().u32(0x00050000).ar;
    EXPECT_FALSE(omni.deserialize(badVersion));
    EXPECT_TRUE(omni.isEqual(std::make_shared<OmniLight>()));

    QuickArchive in = Record().u32(0x00040000).c(1, 1, 1).c(0, 0, 0).f(0, 1, 1).u32(1000, 500)
                          .i32(3).b(true, true).u32(8).f(0).anim({{0.0, Transform{}}}, 4).ar;
    ReadTrace trace;
    in.setTrace(&trace);
    EXPECT_FALSE(MayaDirectLight().deserialize(in));
    EXPECT_EQ(trace.failureText(),
              "MayaDirectLight @0x3e: transform record rejected\n"
              "AnimatedTransform @0x3e: key size 4 not accepted (expects 8)\n");
}

TEST(LightFamily, ConversionAppendsWhatTheLightWrites) {
    Record r;
    r.u32(0x00010000).c(1, 0.5f, 0.25f).f(0.75f, 2, 40, 3).u32(501, 1001, 4).b(false);
    QuickArchive in = r.ar;
    std::string xml;
    ASSERT_TRUE(convertLightRecord(in, OmniLight::kTypeId, xml));
    OmniLight omni;
    QuickArchive again = r.ar;
    ASSERT_TRUE(omni.deserialize(again));
    EXPECT_EQ(xml, xmlOf(omni));
    EXPECT_EQ(xml.rfind("  <Asset ", 0), 0u) << "no element around the asset";

    QuickArchive sphere = Record().u32(0x00010000).ar;
    xml.clear();
    EXPECT_TRUE(convertLightRecord(sphere, SphereLight::kTypeId, xml));
    EXPECT_EQ(xml, "");
}

TEST(LightFamily, DomeRecordIsTheBareVersionWord) {
    DomeLight dome;
    QuickArchive out;
    ASSERT_TRUE(dome.serialize(out));
    EXPECT_EQ(bytesOf(out), (std::vector<uint8_t>{0x00, 0x00, 0x01, 0x00}));
    EXPECT_TRUE(dome.isEqual(dome.clone()));
    EXPECT_FALSE(dome.isEqual(std::make_shared<OmniLight>()));
    EXPECT_EQ(xmlOf(dome), "");
}

TEST(SunLight, EachSunHasItsOwnIdentifierAndTheDefaultSunIsFixed) {
    SunLight a, b;
    EXPECT_NE(a.sunGuid, b.sunGuid);
    const std::string before = a.sunGuid;
    a.reset();
    EXPECT_NE(a.sunGuid, before);
    EXPECT_TRUE(a.clone()->isEqual(std::make_shared<SunLight>(a)));

    const std::shared_ptr<SunLight>& sun = defaultSun();
    ASSERT_TRUE(sun);
    EXPECT_EQ(sun.get(), defaultSun().get());
    EXPECT_EQ(sun->sunName, "Default");
    EXPECT_EQ(sun->sunGuid, "{D3BE9766-E4AA-418b-81A9-23414A2BA98D}");
    EXPECT_EQ(sun->turbidity, 3.0f);
}

TEST(SunLight, EachSunIsWrittenOncePerDocument) {
    auto first = std::make_shared<SunLight>("first", "");
    auto second = std::make_shared<SunLight>("second", "");
    auto third = std::make_shared<SunLight>("third", "");
    std::string out;
    AssetXmlWriter writer(out);
    first->writeXML(writer, "/Parent");
    second->writeXML(writer, "");
    first->clone()->writeXML(writer, "");  // the same identifier: written already
    third->writeXML(writer, "");
    EXPECT_EQ(assetUrls(out), (std::vector<std::string>{"/SunLight", "/SunLight1", "/SunLight2"}));
    EXPECT_EQ(writer.sunTable().at("second"), "/SunLight1");

    std::string fresh;
    AssetXmlWriter freshWriter(fresh);
    second->writeXML(freshWriter, "");
    EXPECT_NE(fresh.find("url=\"/SunLight\""), std::string::npos) << "the table belongs to one document";
}
