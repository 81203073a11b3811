#include <gtest/gtest.h>

#include "RecordBuilder.h"

#include <cmath>

#include "animated/AnimatedValues.h"
#include "serial/QuickArchive.h"

using namespace KilnCore;

TEST(AnimatedValues, InterpolateBetweenKeysAndClampOutside) {
    AnimatedReal fresh;
    EXPECT_EQ(fresh.valueAt(3.5), 0.0f);

    AnimatedReal real;
    real.setValue(10, 0);
    real.setValue(20, 2);
    EXPECT_EQ(real.valueAt(1), 15.0f);
    EXPECT_EQ(real.valueAt(5), 20.0f);
    EXPECT_EQ(real.valueAt(-1), 10.0f);
    AnimatedReal stepped(false);
    stepped.setValue(10, 0);
    stepped.setValue(20, 2);
    EXPECT_EQ(stepped.valueAt(1), 10.0f);

    AnimatedInt integer;
    integer.setValue(3, 1);
    EXPECT_EQ(integer.valueAt(0.5), 1);  // 1.5 truncated

    AnimatedTransform transform;
    Transform moved;
    moved.offset = {2, 4, 6};
    transform.setValue(moved, 1);
    EXPECT_EQ(transform.valueAt(0.5).offset, (Vector3{1, 2, 3}));
    EXPECT_EQ(transform.valueAt(0.5).matrix, Matrix3{});
}

TEST(AnimatedValues, KeysAreUniquePerTimeAndIndexedInOrder) {
    AnimatedReal real;
    real.setValue(1, 2);
    real.setValue(5, 2);
    EXPECT_EQ(real.keyCount(), 2);
    EXPECT_EQ(real.valueAt(2), 5.0f);
    EXPECT_EQ(real.keyTime(1), 2.0);
    EXPECT_TRUE(std::isnan(real.keyTime(-1)));
    EXPECT_TRUE(std::isnan(real.keyTime(2)));
    real.reset();
    EXPECT_EQ(real.keyCount(), 1);
    EXPECT_EQ(real.valueAt(2), 0.0f);
}

// The records themselves are cases of RecordTableTest (the camera's and the
// lights' animated values in golden/records.txt).
TEST(AnimatedValues, ARecordWithoutATimeZeroKeyStillGetsOne) {
    Record late;
    late.u32(0x00010000, 1, 8).b(true);
    late.ar.writeDouble(3);
    late.f(7);
    AnimatedReal lateKey;
    ASSERT_TRUE(lateKey.deserialize(late.ar));
    EXPECT_EQ(lateKey.keyCount(), 2);
    EXPECT_EQ(lateKey.valueAt(0), 0.0f);
}

TEST(AnimatedValues, AHostileKeyCountEndsWithTheInput) {
    Record hostile;
    hostile.u32(0x00010000, 0xFFFFFFFF, 8).b(true);
    hostile.ar.writeDouble(std::nan(""));
    hostile.f(1);
    AnimatedReal real;
    EXPECT_TRUE(real.deserialize(hostile.ar));
    EXPECT_EQ(real.keyCount(), 2);
}
