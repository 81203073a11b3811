#include "textures/TransformComponents.h"

#include <cmath>


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

bool TransformComponents::operator==(const TransformComponents& o) const {
    return fieldsEqual(*this, o, layout().newest());
}

const RecordLayout<TransformComponents>& TransformComponents::layout() {
    using C = TransformComponents;
    static const RecordLayout<C> layout{"TransformComponents",
                                        1,
                                        {{{"x_rotation", &C::x_rotation},
                                          {"y_rotation", &C::y_rotation},
                                          {"z_rotation", &C::z_rotation},
                                          {"x_scale", &C::x_scale},
                                          {"y_scale", &C::y_scale},
                                          {"z_scale", &C::z_scale},
                                          {"x_offset", &C::x_offset},
                                          {"y_offset", &C::y_offset},
                                          {"z_offset", &C::z_offset},
                                          {"x_mirror", &C::x_mirror},
                                          {"y_mirror", &C::y_mirror},
                                          {"z_mirror", &C::z_mirror}}}};
    return layout;
}

bool TransformComponents::serialize(QuickArchive& ar) { return writeRecord(*this, ar, layout()); }

bool TransformComponents::deserialize(QuickArchive& ar) { return readRecord(*this, ar, layout()); }

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
