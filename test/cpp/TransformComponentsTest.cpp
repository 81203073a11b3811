#include <gtest/gtest.h>

#include "textures/TransformComponents.h"

using namespace KilnCore;

namespace {

void expectNear(const Matrix3& m, const float (&rows)[3][3]) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(m.e[i].x, rows[i][0], 1e-6) << "row " << i;
        EXPECT_NEAR(m.e[i].y, rows[i][1], 1e-6) << "row " << i;
        EXPECT_NEAR(m.e[i].z, rows[i][2], 1e-6) << "row " << i;
    }
}

}  // namespace

TEST(TransformComponents, ComposesZThenYThenX) {
    TransformComponents c;
    EXPECT_EQ(c.toMatrix(), Matrix3{});
    c.x_rotation = 90;
    expectNear(c.toMatrix(), {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}});
    c.z_rotation = 90;
    expectNear(c.toMatrix(), {{0, 0, 1}, {-1, 0, 0}, {0, -1, 0}});
    c.reset();
    c.y_rotation = 90;
    expectNear(c.toMatrix(), {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}});
    // The cosine of the float angle is not exactly zero, and it shows.
    c.reset();
    c.z_rotation = 90;
    const Matrix3 m = c.toMatrix();
    EXPECT_EQ(m.e[0].y, 1.0f);
    EXPECT_NE(m.e[0].x, 0.0f);
    EXPECT_LT(std::abs(m.e[0].x), 1e-7f);
}

TEST(TransformComponents, MirrorsNegateTheScaleAndOffsetsStayOut) {
    TransformComponents c;
    c.x_scale = 2, c.y_scale = 3, c.z_scale = 4;
    c.y_mirror = 1;
    c.x_offset = 5, c.z_offset = -6;
    const Transform t = c.toTransform();
    expectNear(t.matrix, {{2, 0, 0}, {0, -3, 0}, {0, 0, 4}});
    EXPECT_EQ(t.offset, (Vector3{5, 0, -6}));

    TransformComponents one, two;
    one.x_mirror = 1;
    two.x_mirror = 2;
    EXPECT_EQ(one.toMatrix(), two.toMatrix());
    EXPECT_NE(one, two);
}

