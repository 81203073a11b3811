#include "serial/TransformComponents.h"

#include <cmath>

#include "serial/QuickArchive.h"
#include "serial/RecordScope.h"

namespace KilnCore {
namespace {

// pi/180 as the float32 the composition has always used (0x3C8EFA35).
constexpr float kDegToRad = 0.0174532924f;

struct Axis {
    float c, n, k;  // cosine, sine, signed scale
};

Axis axis(float degrees, float scale, int32_t mirror) {
    const float radians = degrees * kDegToRad;
    return {static_cast<float>(std::cos(static_cast<double>(radians))),
            static_cast<float>(std::sin(static_cast<double>(radians))), mirror != 0 ? -scale : scale};
}

using Rows = float[3][3];

void multiply(const Rows& a, const Rows& b, Rows& out) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
}

}  // namespace

void TransformComponents::reset() {
    x_rotation = y_rotation = z_rotation = 0.0f;
    x_scale = y_scale = z_scale = 1.0f;
    x_offset = y_offset = z_offset = 0.0f;
    x_mirror = y_mirror = z_mirror = 0;
}

bool TransformComponents::operator==(const TransformComponents& o) const {
    return x_rotation == o.x_rotation && y_rotation == o.y_rotation && z_rotation == o.z_rotation &&
           x_scale == o.x_scale && y_scale == o.y_scale && z_scale == o.z_scale && x_offset == o.x_offset &&
           y_offset == o.y_offset && z_offset == o.z_offset && x_mirror == o.x_mirror &&
           y_mirror == o.y_mirror && z_mirror == o.z_mirror;
}

bool TransformComponents::serialize(QuickArchive& ar) {
    ar.writeUInt32(kVersionWord);
    for (float v : {x_rotation, y_rotation, z_rotation, x_scale, y_scale, z_scale, x_offset, y_offset, z_offset})
        ar.writeFloat(v);
    for (int32_t v : {x_mirror, y_mirror, z_mirror}) ar.writeInt32(v);
    return true;
}

bool TransformComponents::deserialize(QuickArchive& ar) {
    RecordScope rec(ar, "TransformComponents");
    const uint32_t word = rec.readVersionWord();
    reset();
    if (!rec.accept(word, 1, 1)) return false;
    for (float* v : {&x_rotation, &y_rotation, &z_rotation, &x_scale, &y_scale, &z_scale, &x_offset, &y_offset,
                     &z_offset})
        ar.readFloat(*v);
    for (int32_t* v : {&x_mirror, &y_mirror, &z_mirror}) ar.readInt32(*v);
    return true;
}

Matrix3 TransformComponents::toMatrix() const {
    const Axis x = axis(x_rotation, x_scale, x_mirror);
    const Axis y = axis(y_rotation, y_scale, y_mirror);
    const Axis z = axis(z_rotation, z_scale, z_mirror);
    const Rows X = {{x.k, 0, 0}, {0, x.c, x.n}, {0, -x.n, x.c}};
    const Rows Y = {{y.c, 0, -y.n}, {0, y.k, 0}, {y.n, 0, y.c}};
    const Rows Z = {{z.c, z.n, 0}, {-z.n, z.c, 0}, {0, 0, z.k}};
    Rows p, m;
    multiply(Y, X, p);
    multiply(Z, p, m);
    Matrix3 out;
    for (int i = 0; i < 3; ++i) out.e[i] = Vector3{m[i][0], m[i][1], m[i][2]};
    return out;
}

Transform TransformComponents::toTransform() const {
    Transform t;
    t.matrix = toMatrix();
    t.offset = Vector3{x_offset, y_offset, z_offset};
    return t;
}

}  // namespace KilnCore
