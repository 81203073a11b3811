#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include <algorithm>

#include "textures/TextureMakers.h"
#include "options/AllOptions.h"
#include "serial/ReadTrace.h"
#include "textures/BaseTexture.h"

using namespace KilnCore;

namespace {

// Builds an options record of any version field by field, independently of
// the reader: each field is written only when `version` carries it.
class OldRecord {
public:
    explicit OldRecord(uint16_t version) : v_(version) { ar.writeUInt32(versionWord(version, 1)); }

    void i(uint16_t since, int32_t x) {
        if (v_ >= since) ar.writeInt32(x);
    }
    void f(uint16_t since, float x) {
        if (v_ >= since) ar.writeFloat(x);
    }
    void c(uint16_t since, Color x) {
        if (v_ >= since) ar.writeColor(x);
    }
    void noTexture(uint16_t since) {
        if (v_ >= since) ar.writeBool(false);
    }
    void nested(uint16_t since, TessarSerializable&& object) {
        if (v_ >= since) object.serialize(ar);
    }

    QuickArchive ar;

private:
    uint16_t v_;
};

QuickArchive oldOptionsRecord(uint16_t version, const std::vector<uint32_t>& channels = {126},
                              const std::string& outputPath = "out.png") {
    OldRecord r(version);
    r.nested(0, TessarParams());
    r.nested(0, TessarFrameData());
    r.nested(0, TessarKFBStampInfo());
    PhysicalCamera camera;
    camera.ISO = 400.0f;
    r.nested(5, std::move(camera));
    r.noTexture(0);
    r.noTexture(0);
    r.c(0, {0.1f, 0.2f, 0.3f});
    r.c(0, {0.4f, 0.5f, 0.6f});
    for (int32_t value : {3, 4, 5, 480, 640, 6, 7, 8, 9, 10, 11}) r.i(0, value);
    r.i(2, 0);
    r.i(3, 0);
    r.i(5, 1);
    r.i(6, 1);
    for (float value : {60.0f, 2.0f, 3.0f, 4.0f, 5.0f, 2.5f, 1.25f, 1.5f}) r.f(0, value);
    r.f(4, 10.0f);
    r.f(4, 500.0f);
    r.i(4, 0);
    r.ar.writeUInt32(static_cast<uint32_t>(channels.size()));
    for (uint32_t id : channels) r.ar.writeUInt32(id);
    r.ar.writeWString(outputPath);
    for (int path = 1; path < 10; ++path) r.ar.writeWString("path" + std::to_string(path));
    r.c(1, {0.7f, 0.7f, 0.7f});
    r.i(1, 0);
    r.i(7, 1);
    r.i(7, 1);
    r.i(8, 1);
    r.i(8, 24);
    r.f(8, 25.0f);
    r.c(9, {1, 0, 0});
    r.c(9, {0, 1, 0});
    for (float value : {6.0f, 7.0f, 8.0f, 9.0f}) r.f(9, value);
    r.i(9, 1);
    r.i(9, 1);
    r.noTexture(9);
    r.noTexture(9);
    r.i(0x10, 1);
    r.f(0x11, 0.25f);
    r.f(0x11, 0.75f);
    r.f(0x12, 1.8f);
    r.i(0x13, 7);
    r.i(0x14, 0);
    r.i(0x14, 2);
    if (version >= 0x14) r.ar.writeWString("\\\\farm\\share");
    r.i(0x16, 9);
    r.i(0x17, 1);
    return std::move(r.ar);
}

std::vector<uint16_t> acceptedVersions() {
    std::vector<uint16_t> versions;
    for (uint16_t v = 0; v <= 0x17; ++v)
        if (v <= 9 || v >= 0x10) versions.push_back(v);
    return versions;
}

}  // namespace

TEST(OptionsRecord, EveryVersionReadsItsOwnFields) {
    for (uint16_t v : acceptedVersions()) {
        SCOPED_TRACE(v);
        QuickArchive ar = oldOptionsRecord(v);
        AllOptions o;
        ASSERT_TRUE(o.deserialize(ar));
        EXPECT_EQ(ar.readPos(), ar.writePos());  // the whole record and nothing more
        const auto since = [v](uint16_t first, auto present, auto absent) { return v >= first ? present : absent; };

        const EnvironmentSlot &gi = o.globalIllumination, &bg = o.background;
        EXPECT_EQ((std::vector<int32_t>{gi.use, bg.use, o.imageFilterType, o.imageHeight, o.imageWidth, o.overrideFov,
                                        o.overrideViewport, o.imageAspectLocked, o.pixelAspectLocked, o.rawFileOn,
                                        o.saveRender}),
                  (std::vector<int32_t>{3, 4, 5, 480, 640, 6, 7, 8, 9, 10, 11}));
        EXPECT_EQ((std::vector<float>{o.fieldOfView, gi.colorMult, bg.colorMult, gi.textureMult, bg.textureMult,
                                      o.imageFilterSize, o.pixelAspect, o.imageAspect}),
                  (std::vector<float>{60, 2, 3, 4, 5, 2.5f, 1.25f, 1.5f}));
        EXPECT_EQ(o.outputImagePath, "out.png");
        EXPECT_EQ(o.causticsAutoSavePath, "path9");
        EXPECT_EQ(o.overrideMaterialColor, since(1, Color{0.7f, 0.7f, 0.7f}, Color{0.5f, 0.5f, 0.5f}));
        EXPECT_EQ(o.overrideFocalDistance, since(2, 0, 1));
        EXPECT_EQ(o.showProgressWindow, since(3, 0, 1));
        EXPECT_EQ(o.zDepthWhite, since(4, 500.0f, 1000.0f));
        EXPECT_EQ(o.physicalCamera.ISO, since(5, 400.0f, 200.0f));
        EXPECT_EQ(o.physicalCameraOn, since(5, 1, 0));
        EXPECT_EQ(o.overrideFocalLength, since(6, 1, 0));
        EXPECT_EQ(o.gammaCorrectLdrTextures, since(7, 1, 0));
        EXPECT_EQ(o.framesPerSecond, since(8, 25.0f, 30.0f));
        EXPECT_EQ(o.refraction.color, since(9, Color{0, 1, 0}, Color{}));
        EXPECT_EQ(o.refraction.textureMult, since(9, 9.0f, 1.0f));
        EXPECT_EQ(o.refraction.use, since(9, 1, 0));
        EXPECT_EQ(o.drOn, since(0x10, 1, 0));
        EXPECT_EQ(o.reservedFloat2, since(0x11, 0.75f, 0.0f));
        EXPECT_EQ(o.inputGamma, since(0x12, 1.8f, 2.2f));
        EXPECT_EQ(o.reservedInt1, since(0x13, 7, 1));
        EXPECT_EQ(o.drMode, since(0x14, 2, 0));
        EXPECT_EQ(o.drFolder, since(0x14, std::string("\\\\farm\\share"), std::string()));
        EXPECT_EQ(o.reservedInt2, since(0x16, 9, 0));
        EXPECT_EQ(o.specifyFilmWidth, since(0x17, 1, 0));
    }
}

TEST(OptionsRecord, VersionsAndTagsOutsideTheSetAreRejected) {
    for (uint16_t v = 0x0A; v <= 0x0F; ++v) {
        QuickArchive ar = oldOptionsRecord(v);
        AllOptions o;
        o.imageWidth = 1;
        EXPECT_FALSE(o.deserialize(ar)) << v;
        EXPECT_EQ(o.imageWidth, 800);  // reset before the word was judged
    }
    for (uint32_t word : {0x00180001u, 0x00090000u, 0x00170002u}) {
        QuickArchive ar;
        ar.writeUInt32(word);
        ReadTrace trace;
        ar.setTrace(&trace);
        EXPECT_FALSE(AllOptions().deserialize(ar)) << std::hex << word;
        EXPECT_FALSE(trace.failureText().empty());
    }
}

TEST(OptionsRecord, RenderChannels) {
    const auto channelsAfterReading = [](uint16_t version, std::vector<uint32_t> ids) {
        QuickArchive ar = oldOptionsRecord(version, ids);
        AllOptions o;
        EXPECT_TRUE(o.deserialize(ar));
        return o.renderChannels;
    };
    // Older records add to the default list, newer ones replace it; 8 means
    // normals and ids outside 100..132 are dropped.
    EXPECT_EQ(channelsAfterReading(0x14, {8, 126, 99}), (std::vector<int32_t>{126, 125, 123, 126}));
    EXPECT_EQ(channelsAfterReading(0x15, {8, 126, 99}), (std::vector<int32_t>{123, 126}));
    EXPECT_EQ(channelsAfterReading(0x17, {100, 132, 133, 0xFFFFFFFF}), (std::vector<int32_t>{100, 132}));
    EXPECT_EQ(channelsAfterReading(0x17, {}), (std::vector<int32_t>{}));
}

TEST(OptionsRecord, HostileChannelCountStopsAtTheEndOfTheInput) {
    // A record that ends inside its channel list after claiming 2^31 ids.
    QuickArchive probe = oldOptionsRecord(0x17, {0xABCDEF01});
    std::vector<uint8_t> bytes(probe.writePos());
    probe.readBytes(bytes.data(), bytes.size());
    const uint8_t marker[] = {0x01, 0xEF, 0xCD, 0xAB};
    const auto at = std::search(bytes.begin(), bytes.end(), std::begin(marker), std::end(marker));
    ASSERT_NE(at, bytes.end());
    std::vector<uint8_t> hostile(bytes.begin(), at - 4);
    for (uint8_t b : {0xFF, 0xFF, 0xFF, 0x7F, 100, 0, 0, 0}) hostile.push_back(b);
    QuickArchive input(hostile.data(), hostile.size());
    AllOptions o;
    EXPECT_TRUE(o.deserialize(input));
    EXPECT_EQ(o.renderChannels, std::vector<int32_t>{100});
    EXPECT_TRUE(o.outputImagePath.empty());
}

TEST(OptionsRecord, PathsKeepTheirFirst2047Units) {
    std::string path(3000, 'a');
    path[2046] = 'z';
    QuickArchive ar = oldOptionsRecord(0x17, {}, path);
    AllOptions o;
    ASSERT_TRUE(o.deserialize(ar));
    EXPECT_EQ(o.outputImagePath, path.substr(0, 2047));
    EXPECT_EQ(o.rawImagePath, "path1");
}

TEST(OptionsRecord, TextureSlotsWithUnknownTypesFailTheRead) {
    for (int32_t id : {-1, 13, 1000}) {
        QuickArchive ar;
        ar.writeUInt32(0x00000001);
        TessarParams().serialize(ar);
        TessarFrameData().serialize(ar);
        TessarKFBStampInfo().serialize(ar);
        ar.writeBool(true);
        ar.writeInt32(id);
        ReadTrace trace;
        ar.setTrace(&trace);
        AllOptions o;
        EXPECT_FALSE(o.deserialize(ar)) << id;
        EXPECT_FALSE(o.background.texture);
        EXPECT_NE(trace.failureText().find("unknown texture type " + std::to_string(id)), std::string::npos);
    }
}

TEST(OptionsRecord, FailingNestedRecordFailsTheRead) {
    QuickArchive ar;
    ar.writeUInt32(0x00170001);
    ar.writeUInt32(0x00060000);  // a parameter block version no reader knows
    AllOptions o;
    EXPECT_FALSE(o.deserialize(ar));
}

// The newest record, read and written again, comes back byte for byte.
TEST(OptionsRecord, NewestRecordWritesBackAsItWasRead) {
    QuickArchive in = oldOptionsRecord(0x17, {100, 126});
    AllOptions o;
    ASSERT_TRUE(o.deserialize(in));
    QuickArchive out;
    ASSERT_TRUE(o.serialize(out));
    EXPECT_EQ(bytesOf(out), bytesOf(in));
}

TEST(OptionsRecord, TexturesSurviveARoundTrip) {
    const std::shared_ptr<BaseTexture> texture = makeBitmapTexture("sky.hdr");
    AllOptions a;
    a.reflection.texture = texture;
    QuickArchive ar;
    ASSERT_TRUE(a.serialize(ar));
    AllOptions b;
    ASSERT_TRUE(b.deserialize(ar));
    ASSERT_TRUE(b.reflection.texture);
    EXPECT_EQ(b.reflection.texture->typeId(), texture->typeId());
    EXPECT_TRUE(b.reflection.texture->isEqual(texture));
    EXPECT_FALSE(b.background.texture);
}
