#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include <algorithm>
#include <cstring>

#include "options/TessarFrameData.h"
#include "options/TessarKFBStampInfo.h"
#include "options/TessarParams.h"
#include "serial/QuickArchive.h"

using namespace KilnCore;

namespace {

float fromBits(uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

// The position of a 4-byte word that occurs exactly once.
size_t wordAt(const std::vector<uint8_t>& bytes, uint32_t word) {
    uint8_t le[4];
    std::memcpy(le, &word, 4);
    const auto hit = std::search(bytes.begin(), bytes.end(), le, le + 4);
    EXPECT_NE(hit, bytes.end());
    EXPECT_EQ(std::search(hit + 1, bytes.end(), le, le + 4), bytes.end());
    return size_t(hit - bytes.begin());
}

void putWord(std::vector<uint8_t>& bytes, size_t at, uint32_t word) { std::memcpy(&bytes[at], &word, 4); }

// The fields that older parameter records lack carry marker values, so the
// older records can be cut out of a newest one.
KilnUtils::KilnParams markedBlock() {
    KilnUtils::KilnParams b;
    b.irrMap_detail_enhancement = 0x5A000001;
    b.irrMap_detail_radius = fromBits(0x5A000002);
    b.irrMap_detail_subdivs_mult = fromBits(0x5A000003);
    b.irrMap_detail_scale = 0x5A000004;
    b.dmcSampler_path_sampler_type = 0x5A000005;
    b.colorMapping_subpixel_mapping = 0x5A000006;
    b.colorMapping_gamma = fromBits(0x5A000007);
    b.irrMap_auto_save = 0x11;
    b.irrMap_fileName = "irr.vrmap";
    b.lightCache_autoSaveFileName = "lc.vrlmap";
    b.caustics_search_distance = 7.5f;
    b.trailing_unnamed2 = 0x5A0000FF;
    return b;
}

// A parameter record of `version` holding the marked block, with the
// path sampler stored as 0.
std::vector<uint8_t> paramsRecord(uint16_t version) {
    TessarParams params;
    static_cast<KilnUtils::KilnParams&>(params) = markedBlock();
    QuickArchive ar;
    params.serialize(ar);
    std::vector<uint8_t> bytes = bytesOf(ar);
    putWord(bytes, 0, versionWord(version));
    const auto erase = [&](uint32_t marker) {
        const size_t at = wordAt(bytes, marker);
        bytes.erase(bytes.begin() + at, bytes.begin() + at + 4);
    };
    if (version < 5) {  // the four detail fields become one ignored float
        const size_t at = wordAt(bytes, 0x5A000001);
        EXPECT_EQ(wordAt(bytes, 0x5A000004), at + 12);
        bytes.erase(bytes.begin() + at + 4, bytes.begin() + at + 16);
        putWord(bytes, at, 0x41180000);  // 9.5
    }
    if (version < 4) erase(0x5A000007);
    if (version < 3) erase(0x5A000006);
    if (version < 2) erase(0x5A000005);
    if (version >= 2) putWord(bytes, wordAt(bytes, 0x5A000005), 0);
    return bytes;
}

}  // namespace

TEST(ParamsRecord, NewestRecordLayout) {
    // Version word, 165 numbers and eight file names (here empty).
    QuickArchive ar;
    ASSERT_TRUE(TessarParams().serialize(ar));
    EXPECT_EQ(ar.writePos(), 4u + 165 * 4 + 8 * 4);
    const std::vector<uint8_t> bytes = bytesOf(ar);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t>{0, 0, 5, 0}));
}

TEST(ParamsRecord, EachVersionReadsItsFields) {
    const KilnUtils::KilnParams defaults, marked = markedBlock();
    for (uint16_t version = 1; version <= 5; ++version) {
        SCOPED_TRACE(version);
        const std::vector<uint8_t> bytes = paramsRecord(version);
        QuickArchive ar(bytes.data(), bytes.size());
        TessarParams params;
        ASSERT_TRUE(params.deserialize(ar));
        EXPECT_EQ(ar.readPos(), bytes.size());
        const KilnUtils::KilnParams& b = static_cast<KilnUtils::KilnParams&>(params);

        EXPECT_EQ(b.dmcSampler_path_sampler_type, 2);  // stored 0, or absent
        EXPECT_EQ(b.colorMapping_subpixel_mapping,
                  version >= 3 ? marked.colorMapping_subpixel_mapping : defaults.colorMapping_subpixel_mapping);
        EXPECT_EQ(b.colorMapping_gamma, version >= 4 ? marked.colorMapping_gamma : defaults.colorMapping_gamma);
        const KilnUtils::KilnParams& detail = version >= 5 ? marked : defaults;
        EXPECT_EQ(b.irrMap_detail_enhancement, detail.irrMap_detail_enhancement);
        EXPECT_EQ(b.irrMap_detail_radius, detail.irrMap_detail_radius);
        EXPECT_EQ(b.irrMap_detail_subdivs_mult, detail.irrMap_detail_subdivs_mult);
        EXPECT_EQ(b.irrMap_detail_scale, detail.irrMap_detail_scale);

        EXPECT_EQ(b.irrMap_auto_save, 0x11);
        EXPECT_EQ(b.irrMap_fileName, "irr.vrmap");
        EXPECT_EQ(b.lightCache_autoSaveFileName, "lc.vrlmap");
        EXPECT_TRUE(b.photonMap_fileName.empty());
        EXPECT_EQ(b.caustics_search_distance, 7.5f);
        EXPECT_EQ(b.trailing_unnamed2, marked.trailing_unnamed2);
    }
}

TEST(ParamsRecord, UnknownWordsAreRejectedAfterReset) {
    for (uint32_t word : {0x00060000u, 0x00000000u, 0x00050001u}) {
        QuickArchive ar;
        ar.writeUInt32(word);
        TessarParams params;
        params.gi_on = 7;
        EXPECT_FALSE(params.deserialize(ar)) << std::hex << word;
        EXPECT_EQ(params.gi_on, KilnUtils::KilnParams().gi_on);
        EXPECT_EQ(params.regions_seqtype, TessarParams::kRegionSequence);
    }
}

TEST(StampRecord, BothVersions) {
    TessarKFBStampInfo stamp;
    EXPECT_EQ(stamp.text, "Kiln Core %kilncore | Render Time %rendertime |");
    stamp.stampOn = 1;
    stamp.word1 = 2;
    stamp.word2 = 3;
    stamp.text = "frame %frame";
    for (size_t i = 0; i < stamp.font.size(); ++i) stamp.font[i] = uint8_t(i + 1);

    QuickArchive v2;
    ASSERT_TRUE(stamp.serialize(v2));
    EXPECT_EQ(v2.writePos(), 4u + 12 + 4 + 12 + 4 + 60);

    // Version 1: the same fields with the font as 60 bytes without a count.
    QuickArchive v1;
    v1.writeUInt32(0x00010000);
    for (int32_t w : {1, 2, 3}) v1.writeInt32(w);
    v1.writeWString("frame %frame");
    v1.writeBytes(stamp.font.data(), stamp.font.size());
    v1.writeUInt32(0xFEEDFACE);

    for (QuickArchive* ar : {&v2, &v1}) {
        TessarKFBStampInfo back;
        ASSERT_TRUE(back.deserialize(*ar));
        EXPECT_EQ(back.stampOn, 1);
        EXPECT_EQ(back.word1, 2);
        EXPECT_EQ(back.word2, 3);
        EXPECT_EQ(back.text, "frame %frame");
        EXPECT_EQ(back.font, stamp.font);
    }
    uint32_t next = 0;
    v1.readUInt32(next);
    EXPECT_EQ(next, 0xFEEDFACE);

    QuickArchive v3;
    v3.writeUInt32(0x00030000);
    TessarKFBStampInfo rejected;
    rejected.text = "x";
    EXPECT_FALSE(rejected.deserialize(v3));
    EXPECT_EQ(rejected.text, KilnUtils::KilnKFBStampInfo::kDefaultText);
}

TEST(FrameDataRecord, OnlyVersionOneIsRead) {
    EXPECT_EQ(recordOf(TessarFrameData()).size(), 340u);
    for (uint32_t word : {0x00020000u, 0x00010001u}) {
        QuickArchive ar;
        ar.writeUInt32(word);
        TessarFrameData frame;
        frame.height = 1.0f;
        EXPECT_FALSE(frame.deserialize(ar));
        EXPECT_EQ(frame.height, 400.0f);
    }
}
