#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include <vector>

#include "serial/QuickArchive.h"

using namespace KilnCore;

namespace {

QuickArchive archiveOf(const std::vector<uint8_t>& bytes) { return QuickArchive(bytes.data(), bytes.size()); }

}  // namespace

TEST(QuickArchive, PrimitivesAreLittleEndianImages) {
    QuickArchive ar;
    ar.writeUInt32(0x20000);
    ar.writeFloat(1.0f);
    ar.writeInt32(-2);
    ar.writeBool(true);
    ar.writeDouble(1.0);
    EXPECT_EQ(bytesOf(ar), (std::vector<uint8_t>{0, 0, 2, 0, 0, 0, 0x80, 0x3F, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0,
                                                  0, 0, 0, 0xF0, 0x3F}));
}

TEST(QuickArchive, GrowsInBlocksOf4096Bytes) {
    QuickArchive ar;
    std::vector<uint8_t> page(4096, 7);
    ar.writeBytes(page.data(), page.size());
    EXPECT_EQ(ar.blockCount(), 1u);
    ar.writeBool(false);
    EXPECT_EQ(ar.blockCount(), 2u);
    EXPECT_EQ(ar.writePos(), 4097u);
    // A value spanning the block boundary reads back whole.
    QuickArchive span;
    span.writeBytes(page.data(), 4094);
    span.writeUInt32(0xA1B2C3D4);
    span.setReadPos(4094);
    uint32_t v = 0;
    EXPECT_TRUE(span.readUInt32(v));
    EXPECT_EQ(v, 0xA1B2C3D4u);
}

TEST(QuickArchive, ReadsPastTheEndLeaveTheDestinationAndAdvance) {
    QuickArchive empty;
    uint32_t v = 42;
    EXPECT_FALSE(empty.readUInt32(v));
    EXPECT_EQ(v, 42u);
    EXPECT_EQ(empty.readPos(), 4u);

    // Two bytes left in the block: only the low half of the value changes.
    QuickArchive ar(1);
    ar.setReadPos(4094);
    uint32_t partial = 0xFFFFFFFF;
    EXPECT_FALSE(ar.readUInt32(partial));
    EXPECT_EQ(partial, 0xFFFF0000u);

    // Vectors and colours go through a zeroed temporary instead.
    Vector3 vec{1, 2, 3};
    EXPECT_FALSE(empty.readVector(vec));
    EXPECT_EQ(vec, Vector3{});
}

TEST(QuickArchive, StringsAreCutAtAZeroByteButConsumeTheirCount) {
    QuickArchive ar = archiveOf({5, 0, 0, 0, 'a', 'b', 0, 'c', 'd', 9, 0, 0, 0});
    std::string s = "old";
    ar.readString(s);
    EXPECT_EQ(s, "ab");
    uint32_t next = 0;
    ar.readUInt32(next);
    EXPECT_EQ(next, 9u);
}

TEST(QuickArchive, WideStringsAreUtf8WithAWindows1252Fallback) {
    QuickArchive ar;
    ar.writeWString("");
    ar.writeWString("\xC3\xA9");
    EXPECT_EQ(bytesOf(ar), (std::vector<uint8_t>{0, 0, 0, 0, 2, 0, 0, 0, 0xC3, 0xA9}));

    std::string s = "x";
    ar.setReadPos(0);
    ar.readWString(s);
    EXPECT_EQ(s, "");
    ar.readWString(s);
    EXPECT_EQ(s, "\xC3\xA9");

    // A lone E9 is not UTF-8; as Windows-1252 it is the same e acute. 0x80
    // is the euro sign there.
    QuickArchive legacy = archiveOf({2, 0, 0, 0, 0xE9, 0x80});
    legacy.readWString(s);
    EXPECT_EQ(s, "\xC3\xA9\xE2\x82\xAC");

    // Overlong forms and encoded surrogates are not UTF-8 either.
    QuickArchive overlong = archiveOf({2, 0, 0, 0, 0xC0, 0xAF});
    overlong.readWString(s);
    EXPECT_EQ(s, "\xC3\x80\xC2\xAF");
    QuickArchive surrogate = archiveOf({3, 0, 0, 0, 0xED, 0xA0, 0x80});
    surrogate.readWString(s);
    EXPECT_EQ(s, "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
}

TEST(QuickArchive, HugeCountsAllocateOnlyWhatTheArchiveHolds) {
    // A record claiming a 4 GB string holds three bytes of it.
    QuickArchive ar = archiveOf({0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'});
    std::string s;
    EXPECT_FALSE(ar.readWString(s));
    EXPECT_EQ(s, "abc");
    EXPECT_EQ(ar.readPos(), 4ull + 0xFFFFFFFFull);
    EXPECT_TRUE(ar.exhausted());
}

TEST(QuickArchive, ByteArraysRewindOrSkipOnAMismatch) {
    QuickArchive ar;
    const uint8_t ten[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    ar.writeByteArray(ten, 10);
    ar.writeUInt32(77);

    uint8_t buf[4] = {};
    EXPECT_EQ(ar.readByteArray(buf, 4, false), 10u);
    EXPECT_EQ(buf[3], 3);
    uint32_t after = 0;
    ar.readUInt32(after);
    EXPECT_EQ(after, 77u);

    ar.setReadPos(0);
    EXPECT_EQ(ar.readByteArray(buf, 4, true), 10u);
    EXPECT_EQ(ar.readPos(), 0u);
}

TEST(QuickArchive, RectsDeriveTheirSize) {
    QuickArchive ar;
    ar.writeRect(Rect{10, 20, 110, 220});
    Rect r;
    r.reserved0 = 5;
    ar.readRect(r);
    EXPECT_EQ(r.width, 100);
    EXPECT_EQ(r.height, 200);
    EXPECT_EQ(r.reserved0, 0);

    // Hostile corners wrap instead of overflowing.
    QuickArchive far;
    far.writeRect(Rect{-973051620, 0, 1566399580, 0});
    far.readRect(r);
    EXPECT_EQ(r.width, static_cast<int32_t>(1566399580u + 973051620u));
}

TEST(QuickArchive, CopiesShareTheirBlocks) {
    QuickArchive a(1);
    QuickArchive b = a;
    a.writeUInt32(5);
    uint32_t v = 0;
    b.readUInt32(v);
    EXPECT_EQ(v, 5u);
}
