#include <gtest/gtest.h>

#include "Golden.h"

#include <regex>
#include <sstream>

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

// Builds a record primitive by primitive, written out here independently of
// the light classes' own tables.
struct Record {
    QuickArchive ar;
    Record& u32(std::initializer_list<uint32_t> vs) {
        for (uint32_t v : vs) ar.writeUInt32(v);
        return *this;
    }
    Record& i32(std::initializer_list<int32_t> vs) {
        for (int32_t v : vs) ar.writeInt32(v);
        return *this;
    }
    Record& f(std::initializer_list<float> vs) {
        for (float v : vs) ar.writeFloat(v);
        return *this;
    }
    Record& b(std::initializer_list<bool> vs) {
        for (bool v : vs) ar.writeBool(v);
        return *this;
    }
    Record& color(float r, float g, float b) {
        ar.writeColor({r, g, b});
        return *this;
    }
    Record& vec(float x, float y, float z) {
        ar.writeVector({x, y, z});
        return *this;
    }
    Record& xform(const Transform& t) {
        ar.writeTransform(t);
        return *this;
    }
    Record& str(const std::string& s) {
        ar.writeWString(s);
        return *this;
    }
    // An animated transform record with one key per (time, value).
    Record& anim(std::initializer_list<std::pair<double, Transform>> keys, uint32_t keySize = 8) {
        u32({0x00010000, static_cast<uint32_t>(keys.size()), keySize});
        for (const auto& [time, value] : keys) {
            ar.writeDouble(time);
            ar.writeTransform(value);
        }
        return *this;
    }
};

// A quarter turn about z, moved to (10, 20, 30).
Transform turned() {
    Transform t;
    t.matrix.e[0] = {0, 1, 0};
    t.matrix.e[1] = {-1, 0, 0};
    t.matrix.e[2] = {0, 0, 1};
    t.offset = {10, 20, 30};
    return t;
}
const char* const kTurned = "0,1,0,-1,0,0,0,0,1,10,20,30";

std::vector<uint8_t> bytesOf(QuickArchive ar) {
    ar.setReadPos(0);
    std::vector<uint8_t> out(ar.writePos());
    ar.readBytes(out.data(), out.size());
    return out;
}

std::string xmlOf(BaseLight& light) {
    std::string out;
    AssetXmlWriter writer(out);
    light.writeXML(writer, "");
    return out;
}

// One entry "name:type=v1,v2,..." per parameter, in document order.
std::vector<std::string> paramSummary(const std::string& xml) {
    static const std::regex header(R"re(<parameter type="(\w+)" name="(\w+)")re");
    static const std::regex value(R"re(<(?:value|[rgbxyz])>([^<]*)</)re");
    std::vector<std::string> out;
    std::istringstream lines(xml);
    std::smatch m;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, m, header)) {
            out.push_back(m[2].str() + ":" + m[1].str() + "=");
        } else if (std::regex_search(line, m, value) && !out.empty()) {
            if (out.back().back() != '=') out.back() += ',';
            out.back() += m[1].str();
        }
    }
    return out;
}

// Reads the record into a new light of the type, expects the read to succeed
// and the light to write the very same bytes back.
template <class L>
std::shared_ptr<L> readBack(const Record& record) {
    auto light = std::dynamic_pointer_cast<L>(createLight(L::kTypeId));
    QuickArchive in = record.ar;
    EXPECT_TRUE(light->deserialize(in));
    QuickArchive out;
    EXPECT_TRUE(light->serialize(out));
    EXPECT_EQ(bytesOf(out), bytesOf(record.ar));
    EXPECT_TRUE(light->isEqual(light->clone()));
    EXPECT_FALSE(light->isEqual(createLight(L::kTypeId)));
    return light;
}

template <class L>
std::shared_ptr<L> readOld(const Record& record) {
    auto light = std::make_shared<L>();
    QuickArchive in = record.ar;
    EXPECT_TRUE(light->deserialize(in));
    EXPECT_EQ(in.readPos(), in.writePos()) << "the whole record is read";
    return light;
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
    r.u32({0x00040000}).color(1, 0.5f, 0.25f).color(0.125f, 0.25f, 0.375f);
    r.f({0.5f, 0.75f, 2, 40, 3}).i32({1}).u32({501, 1001}).i32({4}).b({false, true}).u32({9}).f({1.5f});
    r.xform(turned()).b({true, false});
    auto omni = readBack<OmniLight>(r);
    EXPECT_EQ(omni->lightFactor, 3.0f);
    EXPECT_EQ(omni->lightMode, 4);
    EXPECT_EQ(xmlOf(*omni), golden("omni-light.xml"));
}

TEST(LightFamily, SpotReadsWritesAndAlwaysWritesLegacyMode) {
    Record r;
    r.u32({0x00040000}).color(1, 0.5f, 0.25f).color(0.125f, 0.25f, 0.375f);
    r.f({0.5f, 21, 22, 23, 24, 0.75f, 2, 40, 3}).i32({1}).u32({501, 1001}).i32({4});
    r.b({false, true, true}).u32({9}).f({1.5f}).xform(Transform{}).f({1.25f, 0.0625f}).b({true, false});
    auto spot = readBack<SpotLight>(r);
    EXPECT_EQ(spot->lightFactor, 3.0f);
    EXPECT_EQ(spot->lightMode, 4);
    EXPECT_EQ(xmlOf(*spot), golden("spot-light.xml"));
}

TEST(LightFamily, SunReadsWritesAndWritesItsAsset) {
    Record r;
    r.u32({0x00040000}).vec(0, 1, 0.5f).f({0.25f, 4, 2.5f, 1.5f, 2, 60, 160, 0.5f}).i32({501, 1001, 9});
    r.b({false}).str("1b4e28ba-2fa1-41d2-883f-0016d3cca427").str("Noon").b({true, true});
    r.anim({{0.0, turned()}, {2.0, Transform{}}});
    auto sun = readBack<SunLight>(r);
    EXPECT_EQ(sun->sunGuid, "1b4e28ba-2fa1-41d2-883f-0016d3cca427");
    EXPECT_EQ(sun->sunName, "Noon");
    EXPECT_EQ(sun->transform.keyCount(), 2);
    EXPECT_EQ(xmlOf(*sun), golden("sun-light.xml"));
}

TEST(LightFamily, RectangleReadsWritesAndWritesItsAsset) {
    Record r;
    r.u32({0x00040000}).color(1, 0.5f, 0.25f).color(0.125f, 0.25f, 0.375f).f({0.5f, 0.75f, 40, 3}).i32({1});
    r.u32({9, 1001, 501}).i32({4}).b({true, false, true, false, false, true, false, true}).xform(turned());
    r.f({2, 3}).b({false, true, false});
    auto rect = readBack<RectangleLight>(r);
    EXPECT_EQ(rect->lightFactor, 3.0f);
    EXPECT_EQ(rect->lightMode, 4);
    const std::string xml = xmlOf(*rect);
    EXPECT_EQ(xml.rfind("  <Asset layout=\"\" renderer=\"kiln\" type=\"light\" url=\"/LightRectangle\" >\n"
                        "    <plugin>\n      <kilnplugin name=\"LightRectangle\" type=\"light\">\n",
                        0),
              0u);
    EXPECT_EQ(paramSummary(xml),
              (std::vector<std::string>{
                  "color:color=1,0.5,0.25", "shadowColor:color=0.125,0.25,0.375", "cutoffThreshold:float=0.5",
                  "shadowBias:float=0.75", "intensity:float=40", "u_size:float=2", "v_size:float=3",
                  "units:integer=1", "photonSubdivs:integer=501", "causticSubdivs:integer=1001",
                  "subdivs:integer=9", "enabled:bool=0", "doubleSided:bool=1", "invisible:bool=0",
                  "lightPortal:bool=1", "noDecay:bool=0", "storeWithIrradianceMap:bool=1",
                  "ignoreLightNormals:bool=0", "shadows:bool=1", "affectDiffuse:bool=0", "affectSpecular:bool=1",
                  "affectReflections:bool=0", std::string("transform:transform=") + kTurned}));
}

TEST(LightFamily, MayaDirectReadsWritesAndWritesNoTransform) {
    Record r;
    r.u32({0x00040000}).color(1, 0.5f, 0.25f).color(0.125f, 0.25f, 0.375f).f({0.75f, 40, 3});
    r.u32({1001, 501}).i32({4}).b({false, true}).u32({9}).f({1.5f}).anim({{0.0, turned()}, {1.0, Transform{}}});
    auto maya = readBack<MayaDirectLight>(r);
    EXPECT_EQ(maya->lightFactor, 3.0f);
    EXPECT_EQ(maya->lightMode, 4);
    EXPECT_EQ(maya->transform.valueAt(0.0), turned());
    const std::string xml = xmlOf(*maya);
    EXPECT_NE(xml.find("url=\"/MayaLightDirect\""), std::string::npos);
    EXPECT_EQ(paramSummary(xml),
              (std::vector<std::string>{"color:color=1,0.5,0.25", "shadowColor:color=0.125,0.25,0.375",
                                        "shadowBias:float=0.75", "shadowRadius:float=1.5", "intensity:float=40",
                                        "causticSubdivs:integer=1001", "photonSubdivs:integer=501",
                                        "shadowSubdivs:integer=9", "enabled:bool=0", "shadows:bool=1"}));
}

TEST(LightFamily, IESReadsWritesAndWritesItsFileName) {
    Record r;
    r.u32({0x00030000}).xform(turned()).color(1, 0.5f, 0.25f).color(0.125f, 0.25f, 0.375f).color(0.5f, 0.75f, 1);
    r.f({0.75f, 0.5f}).u32({501, 1001, 9}).b({false, true, true}).str("C:\\ies\\a&b.ies").b({true, false});
    r.f({40});
    auto ies = readBack<IESLight>(r);
    const std::string xml = xmlOf(*ies);
    EXPECT_NE(xml.find("url=\"/LightIES\""), std::string::npos);
    EXPECT_NE(xml.find("<parameter type=\"string\" name=\"ies_file\" handler=\"FileBrowserHandler\""),
              std::string::npos);
    EXPECT_EQ(paramSummary(xml),
              (std::vector<std::string>{
                  std::string("transform:transform=") + kTurned, "color:color=1,0.5,0.25",
                  "shadowColor:color=0.125,0.25,0.375", "filter_color:color=0.5,0.75,1", "shadowBias:float=0.75",
                  "cutoffThreshold:float=0.5", "intensity:float=40", "photonSubdivs:integer=501",
                  "causticSubdivs:integer=1001", "shadow_subdivs:integer=9", "enabled:bool=0", "shadows:bool=1",
                  "soft_shadows:bool=1", "affectDiffuse:bool=1", "affectSpecular:bool=0",
                  "ies_file:string=C:\\ies\\a&amp;b.ies"}));
}

TEST(LightFamily, SphereReadsAndWritesButHasNoAsset) {
    Record r;
    r.u32({0x00020000}).xform(turned()).color(1, 0.5f, 0.25f).color(0.125f, 0.25f, 0.375f);
    r.f({0.75f, 0.5f, 40, 3}).u32({501, 1001, 7, 9}).b({false, true, true, false, true, false, true, false});
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
    expected.enabled = false;
    expected.flag3 = true;
    expected.flag5 = true;
    expected.affectDiffuse = false;
    expected.flag8 = false;
    EXPECT_TRUE(sphere->isEqual(expected.clone()));
    EXPECT_EQ(xmlOf(*sphere), "");
}

TEST(LightFamily, OldRecordsFillTheirFieldsAndLeaveTheRestAtDefaults) {
    {
        Record r;  // nine values after the version word
        r.u32({0x00010000}).color(1, 0.5f, 0.25f).f({0.75f, 2, 40, 3}).u32({501, 1001, 4}).b({false});
        OmniLight expected;
        expected.color = {1, 0.5f, 0.25f};
        expected.shadowBias = 0.75f;
        expected.decay = 2;
        expected.intensity = 40;
        expected.lightFactor = 3;
        expected.photonSubdivs = 501;
        expected.causticSubdivs = 1001;
        expected.lightMode = 4;
        expected.enabled = false;
        auto omni = readOld<OmniLight>(r);
        EXPECT_TRUE(omni->isEqual(expected.clone()));
        EXPECT_EQ(omni->shadowColor, (Color{0, 0, 0}));
        EXPECT_EQ(omni->cutoffThreshold, 0.005f);
        EXPECT_EQ(omni->transform, Transform{});
        EXPECT_TRUE(omni->affectDiffuse && omni->affectSpecular);
    }
    {
        Record r;
        r.u32({0x00020000}).color(1, 0.5f, 0.25f).f({0.75f, 2, 40, 3}).u32({501, 1001}).i32({4});
        r.b({false, false}).u32({9}).f({1.5f}).xform(turned()).f({1.25f, 0.0625f});
        SpotLight expected;
        expected.color = {1, 0.5f, 0.25f};
        expected.shadowBias = 0.75f;
        expected.decay = 2;
        expected.intensity = 40;
        expected.lightFactor = 3;
        expected.photonSubdivs = 501;
        expected.causticSubdivs = 1001;
        expected.lightMode = 4;
        expected.enabled = false;
        expected.shadows = false;
        expected.shadowSubdivs = 9;
        expected.shadowRadius = 1.5f;
        expected.transform = turned();
        expected.coneAngle = 1.25f;
        expected.penumbraAngle = 0.0625f;
        EXPECT_TRUE(readOld<SpotLight>(r)->isEqual(expected.clone()));
    }
    {
        Record r;
        r.u32({0x00020000}).color(1, 0.5f, 0.25f).f({0.75f, 40, 3}).u32({9, 1001, 501, 4});
        r.b({true, true, true, true, false, true, false}).b({false}).xform(turned()).f({2, 3});
        RectangleLight expected;
        expected.color = {1, 0.5f, 0.25f};
        expected.shadowBias = 0.75f;
        expected.intensity = 40;
        expected.lightFactor = 3;
        expected.subdivs = 9;
        expected.causticSubdivs = 1001;
        expected.photonSubdivs = 501;
        expected.lightMode = 4;
        expected.doubleSided = expected.invisible = expected.lightPortal = expected.noDecay = true;
        expected.enabled = false;
        expected.storeWithIrradianceMap = true;
        expected.ignoreLightNormals = false;
        expected.shadows = false;
        expected.transform = turned();
        expected.u_size = 2;
        expected.v_size = 3;
        EXPECT_TRUE(readOld<RectangleLight>(r)->isEqual(expected.clone()));
    }
    {
        Record r;  // version 2 keeps a plain transform
        r.u32({0x00020000}).color(1, 0.5f, 0.25f).f({0.75f, 40, 3}).u32({1001, 501, 4}).b({false, false});
        r.u32({9}).f({1.5f}).xform(turned());
        MayaDirectLight expected;
        expected.color = {1, 0.5f, 0.25f};
        expected.shadowBias = 0.75f;
        expected.intensity = 40;
        expected.lightFactor = 3;
        expected.causticSubdivs = 1001;
        expected.photonSubdivs = 501;
        expected.lightMode = 4;
        expected.enabled = expected.shadows = false;
        expected.shadowSubdivs = 9;
        expected.shadowRadius = 1.5f;
        expected.transform.setValue(turned(), 0.0);
        EXPECT_TRUE(readOld<MayaDirectLight>(r)->isEqual(expected.clone()));
    }
    {
        Record r;  // version 1 ends with the file name
        r.u32({0x00010000}).xform(turned()).color(1, 0.5f, 0.25f).color(0.125f, 0.25f, 0.375f);
        r.color(0.5f, 0.75f, 1).f({0.75f, 0.5f}).u32({501, 1001, 9}).b({false, false, true}).str("a.ies");
        IESLight expected;
        expected.transform = turned();
        expected.color = {1, 0.5f, 0.25f};
        expected.shadowColor = {0.125f, 0.25f, 0.375f};
        expected.filter_color = {0.5f, 0.75f, 1};
        expected.shadowBias = 0.75f;
        expected.cutoffThreshold = 0.5f;
        expected.photonSubdivs = 501;
        expected.causticSubdivs = 1001;
        expected.shadow_subdivs = 9;
        expected.enabled = expected.shadows = false;
        expected.soft_shadows = true;
        expected.ies_file = "a.ies";
        EXPECT_TRUE(readOld<IESLight>(r)->isEqual(expected.clone()));
    }
    {
        Record r;  // version 1: no identifier, so the one made by the reset stays
        r.u32({0x00010000}).xform(turned()).vec(0, 1, 0.5f).f({0.25f, 4, 2.5f, 1.5f, 2, 60, 160, 0.5f});
        r.i32({501, 1001, 9}).b({false});
        auto sun = readOld<SunLight>(r);
        SunLight expected;
        expected.transform.setValue(turned(), 0.0);
        expected.up_vector = {0, 1, 0.5f};
        expected.shadowBias = 0.25f;
        expected.turbidity = 4;
        expected.water_vapour = 2.5f;
        expected.intensity_multiplier = 1.5f;
        expected.size_multiplier = 2;
        expected.photon_radius = 60;
        expected.photon_emit_distance = 160;
        expected.ozone = 0.5f;
        expected.photonSubdivs = 501;
        expected.causticSubdivs = 1001;
        expected.shadow_subdivs = 9;
        expected.shadows = false;
        EXPECT_FALSE(sun->isEqual(expected.clone())) << "each reset makes a new identifier";
        expected.sunGuid = sun->sunGuid;
        EXPECT_TRUE(sun->isEqual(expected.clone()));
        EXPECT_EQ(sun->sunGuid.size(), 36u);
    }
    {
        Record r;  // version 3 adds the identity and the two flags
        r.u32({0x00030000}).xform(Transform{}).vec(0, 0, 1).f({0, 3, 2, 1, 1, 50, 150, 0.35f}).i32({500, 1000, 8});
        r.b({true}).str("id").str("Dusk").b({false, true});
        auto sun = readOld<SunLight>(r);
        SunLight expected("id", "Dusk");
        expected.enabled = false;
        expected.invisible = true;
        EXPECT_TRUE(sun->isEqual(expected.clone()));
    }
    {
        Record r;  // version 1 holds five of the eight flags
        r.u32({0x00010000}).xform(turned()).color(1, 1, 1).color(0, 0, 0).f({0, 0.005f, 1, 1});
        r.u32({500, 1000, 0, 8}).b({false, false, true, true, true});
        SphereLight expected;
        expected.transform = turned();
        expected.enabled = expected.shadows = false;
        expected.flag3 = expected.flag4 = expected.flag5 = true;
        EXPECT_TRUE(readOld<SphereLight>(r)->isEqual(expected.clone()));
    }
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
        r.u32({layout.version << 16});
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
    const auto omniV4Start = [] { return Record().u32({0x00040000}).color(1, 1, 1); };
    const std::pair<int32_t, Record> bad[] = {
        {2, Record().u32({0x00040001}).color(1, 1, 1)},  // tag 1
        {2, Record().u32({0x00050000})},
        {2, Record().u32({0x00000000})},
        {6, Record().u32({0x00040000})},  // the IES light reads up to version 3
        {7, Record().u32({0x00030000})},
        {0, Record().u32({0x00040000}).color(1, 1, 1).color(0, 0, 0).f({0, 1, 1}).u32({1000, 500}).i32({3})
                .b({true, true}).u32({8}).f({0}).anim({{0.0, Transform{}}}, 4)},
        {5, Record().u32({0x00040000}).vec(0, 0, 1).f({0, 3, 2, 1, 1, 50, 150, 0.35f}).i32({500, 1000, 8})
                .b({true}).str("id").str("").b({true, false}).anim({{0.0, Transform{}}}, 4)},
        {1, omniV4Start()},
        {8, Record().u32({0x00010000})},
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
    QuickArchive badVersion = Record().u32({0x00050000}).ar;
    EXPECT_FALSE(omni.deserialize(badVersion));
    EXPECT_TRUE(omni.isEqual(std::make_shared<OmniLight>()));

    QuickArchive in = Record().u32({0x00040000}).color(1, 1, 1).color(0, 0, 0).f({0, 1, 1}).u32({1000, 500})
                          .i32({3}).b({true, true}).u32({8}).f({0}).anim({{0.0, Transform{}}}, 4).ar;
    ReadTrace trace;
    in.setTrace(&trace);
    EXPECT_FALSE(MayaDirectLight().deserialize(in));
    EXPECT_EQ(trace.failureText(),
              "MayaDirectLight @0x3e: transform record rejected\n"
              "AnimatedTransform @0x3e: key size 4 not accepted (expects 8)\n");
}

TEST(LightFamily, ConversionAppendsWhatTheLightWrites) {
    Record r;
    r.u32({0x00010000}).color(1, 0.5f, 0.25f).f({0.75f, 2, 40, 3}).u32({501, 1001, 4}).b({false});
    QuickArchive in = r.ar;
    std::string xml;
    ASSERT_TRUE(convertLightRecord(in, OmniLight::kTypeId, xml));
    EXPECT_EQ(xml, xmlOf(*readOld<OmniLight>(r)));
    EXPECT_EQ(xml.rfind("  <Asset ", 0), 0u) << "no element around the asset";

    QuickArchive sphere = Record().u32({0x00010000}).ar;
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
    const std::regex assetUrl(R"re(<Asset [^\n]*url="([^"]*)")re");
    std::vector<std::string> urls;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), assetUrl); it != std::sregex_iterator(); ++it)
        urls.push_back((*it)[1].str());
    EXPECT_EQ(urls, (std::vector<std::string>{"/SunLight", "/SunLight1", "/SunLight2"}));
    EXPECT_EQ(writer.sunTable().at("second"), "/SunLight1");

    std::string fresh;
    AssetXmlWriter freshWriter(fresh);
    second->writeXML(freshWriter, "");
    EXPECT_NE(fresh.find("url=\"/SunLight\""), std::string::npos) << "the table belongs to one document";
}
