#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include "options/PhysicalCamera.h"
#include "serial/QuickArchive.h"

using namespace KilnCore;

TEST(CameraRecord, Version1StoresPlainFloats) {
    // Type, film width, focal length, nine floats, specify focus, focus
    // distance, targeted, two floats, exposure, white balance, ...
    Record v1;
    v1.u32(0x00010000).i32(1).f(35, 50, 2, 0.1f, 5.6f, 0.2f, 60, 90, 0.5f, 0.01f, 800).i32(1).f(300).i32(1);
    v1.f(250, 0.001f).i32(0).c(0.5f, 0.6f, 0.7f).i32(0, 1, 7).f(15, 0.3f, 0.4f).i32(1).u32(0xFEEDFACE);
    QuickArchive& ar = v1.ar;
    PhysicalCamera camera;
    ASSERT_TRUE(camera.deserialize(ar));
    EXPECT_EQ(camera.film_width, 35.0f);
    EXPECT_EQ(camera.focal_length.keyCount(), 1);
    EXPECT_EQ(camera.focal_length.valueAt(0.0), 50.0f);
    EXPECT_EQ(camera.ISO, 800.0f);
    EXPECT_EQ(camera.focus_distance.valueAt(0.0), 300.0f);
    EXPECT_EQ(camera.target_distance, 250.0f);
    EXPECT_EQ(camera.exposure, 0);
    EXPECT_EQ(camera.white_balance, (Color{0.5f, 0.6f, 0.7f}));
    EXPECT_EQ(camera.blades_num, 7);
    EXPECT_EQ(camera.anisotropy, 0.4f);
    EXPECT_EQ(camera.use_dof, 1);
    EXPECT_EQ(camera.use_moblur, 0);
    EXPECT_EQ(camera.subdivs, 6);
    uint32_t next = 0;
    ar.readUInt32(next);
    EXPECT_EQ(next, 0xFEEDFACE);
}

TEST(CameraRecord, RejectedWordsAndBrokenAnimatedValues) {
    for (uint32_t word : {0x00030000u, 0x00000000u, 0x00020001u}) {
        QuickArchive ar;
        ar.writeUInt32(word);
        PhysicalCamera camera;
        camera.ISO = 1.0f;
        EXPECT_FALSE(camera.deserialize(ar)) << std::hex << word;
        EXPECT_EQ(camera.ISO, 200.0f);
    }
    Record broken;  // the focal length's keys claim a size of 4
    broken.u32(0x00020000).i32(0).f(36).u32(0x00010000, 1, 4);
    PhysicalCamera camera;
    EXPECT_FALSE(camera.deserialize(broken.ar));
    EXPECT_EQ(camera.film_width, 36.0f);  // what was read before stays
}
