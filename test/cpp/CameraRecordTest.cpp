#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include "options/PhysicalCamera.h"
#include "serial/QuickArchive.h"

using namespace KilnCore;

TEST(CameraRecord, Version2RoundTrip) {
    PhysicalCamera camera;
    camera.type = 2;
    camera.focal_length.setValue(85.0f, 1.0);
    camera.focus_distance.setValue(150.0f, 0.0);
    camera.white_balance = {1.0f, 0.9f, 0.8f};
    camera.use_dof = 1;
    camera.use_moblur = 1;
    camera.subdivs = 12;
    QuickArchive ar;
    ASSERT_TRUE(camera.serialize(ar));

    PhysicalCamera back;
    ASSERT_TRUE(back.deserialize(ar));
    EXPECT_EQ(ar.readPos(), ar.writePos());
    EXPECT_EQ(back.type, 2);
    EXPECT_TRUE(back.focal_length == camera.focal_length);
    EXPECT_EQ(back.focal_length.keyCount(), 2);
    EXPECT_EQ(back.focus_distance.valueAt(0.0), 150.0f);
    EXPECT_EQ(back.white_balance, camera.white_balance);
    EXPECT_EQ(back.use_moblur, 1);
    EXPECT_EQ(back.subdivs, 12);
    QuickArchive again;
    ASSERT_TRUE(back.serialize(again));
    EXPECT_EQ(bytesOf(again), bytesOf(ar));
}

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
    EXPECT_FALSE(PhysicalCamera().deserialize(broken.ar));
}

TEST(CameraRecord, CloneIsIndependent) {
    PhysicalCamera camera;
    camera.f_number = 2.8f;
    std::shared_ptr<BaseCamera> copy = camera.clone();
    auto& clone = dynamic_cast<PhysicalCamera&>(*copy);
    EXPECT_EQ(clone.f_number, 2.8f);
    EXPECT_EQ(clone.typeId(), 0);
    clone.focal_length.setValue(24.0f, 0.0);
    EXPECT_EQ(camera.focal_length.valueAt(0.0), 40.0f);

    camera.reset();
    EXPECT_EQ(camera.f_number, 8.0f);
    EXPECT_EQ(camera.focal_length.keyCount(), 1);
}
