// Plain value types shared by every record: vectors, colours, matrices,
// transforms and rectangles, all float32 as the old records store them.
#pragma once

#include <cstdint>

namespace KilnCore {

struct Vector3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    bool operator==(const Vector3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Vector3& o) const { return !(*this == o); }
};

struct Color {
    float r = 0.0f, g = 0.0f, b = 0.0f;
    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Color& o) const { return !(*this == o); }
};

struct AColor {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
    bool operator==(const AColor& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const AColor& o) const { return !(*this == o); }
};

// A 3x3 matrix held as three stored vectors e[0], e[1], e[2].
struct Matrix3 {
    Vector3 e[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    bool operator==(const Matrix3& o) const { return e[0] == o.e[0] && e[1] == o.e[1] && e[2] == o.e[2]; }
    bool operator!=(const Matrix3& o) const { return !(*this == o); }
    static Matrix3 zero() {
        Matrix3 m;
        m.e[0] = m.e[1] = m.e[2] = Vector3{};
        return m;
    }
};

// A placement: a 3x3 matrix followed by an offset vector (48 bytes in a record).
struct Transform {
    Matrix3 matrix;
    Vector3 offset;
    bool operator==(const Transform& o) const { return matrix == o.matrix && offset == o.offset; }
    bool operator!=(const Transform& o) const { return !(*this == o); }
};

// The frame data's camera transforms keep a float32 matrix with a float64
// offset; on disk they have the same 48-byte layout as Transform.
struct TransformD {
    Matrix3 matrix = Matrix3::zero();
    double offset[3] = {0.0, 0.0, 0.0};
    bool operator==(const TransformD& o) const {
        return matrix == o.matrix && offset[0] == o.offset[0] && offset[1] == o.offset[1] &&
               offset[2] == o.offset[2];
    }
};

// Rectangle as read by readRect: the four stored corners plus derived size.
struct Rect {
    int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int32_t width = 0, height = 0;
    int32_t reserved0 = 0, reserved1 = 0;
};

}  // namespace KilnCore
