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
    QuickArchive ar;
    ar.writeUInt32(0x00010000);
    ar.writeInt32(1);        // type
    ar.writeFloat(35.0f);    // film width
    ar.writeFloat(50.0f);    // focal length
    for (float f : {2.0f, 0.1f, 5.6f, 0.2f, 60.0f, 90.0f, 0.5f, 0.01f, 800.0f}) ar.writeFloat(f);
    ar.writeInt32(1);        // specify focus
    ar.writeFloat(300.0f);   // focus distance
    ar.writeInt32(1);        // targeted
    ar.writeFloat(250.0f);
    ar.writeFloat(0.001f);
    ar.writeInt32(0);        // exposure
    ar.writeColor({0.5f, 0.6f, 0.7f});
    for (int32_t i : {0, 1, 7}) ar.writeInt32(i);
    for (float f : {15.0f, 0.3f, 0.4f}) ar.writeFloat(f);
    ar.writeInt32(1);        // use dof
    ar.writeUInt32(0xFEEDFACE);

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
    QuickArchive broken;
    broken.writeUInt32(0x00020000);
    broken.writeInt32(0);
    broken.writeFloat(36.0f);
    broken.writeUInt32(0x00010000);  // focal length: version, count, key size 4
    broken.writeUInt32(1);
    broken.writeUInt32(4);
    EXPECT_FALSE(PhysicalCamera().deserialize(broken));
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
