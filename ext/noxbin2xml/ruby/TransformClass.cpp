// KilnForSketchUp::Transform: a 3x3 matrix of three stored row vectors (the
// images of the x, y and z axes) and an offset, all float32. A point p maps
// to p.x * e[0] + p.y * e[1] + p.z * e[2] + offset.
//
// Its Array form is the one Geom::Transformation#to_a uses: 16 numbers, four
// groups of four (x axis, y axis, z axis, origin), each group's fourth number
// 0 and the last one the homogeneous scale (1 when written).
#include <string>

#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "ruby/ValueClasses.h"

using KilnCore::Transform;
using KilnCore::Vector3;

namespace KilnRuby {
namespace {

const char* const kToAFailed = "KilnForSketchUp::Transform#initialize - Geom::Transformation#to_a failed";
const char* const kInvalidTransform = "KilnForSketchUp::Transform#initialize - invalid KilnForSketchUp::Transform";
const char* const kBadArrayLength = "KilnForSketchUp::Transform#initialize - invalid ruby array length - should be 16";
const char* const kBadSingleArgument =
    "KilnForSketchUp::Transform#initialize - 1 arg version should be a Geom::Transformation / "
    "KilnForSketchUp::Transform / an array with 16 doubles";
const char* const kBadFourArguments =
    "KilnForSketchUp::Transform#initialize - 4 argument version should be 3 Sketchup::Vector3d / 1 "
    "Sketchup::Point3d or 4 KilnForSketchUp::Vector";
const char* const kBadArgumentCount = "KilnForSketchUp::Transform#initialize - invalid argument count";

constexpr int kArrayLength = 16;

// The 16-number form; a homogeneous scale other than 0 or 1 divides it all.
Transform fromArray(VALUE array) {
    double m[kArrayLength];
    for (int i = 0; i < kArrayLength; ++i) m[i] = rb_num2dbl(rb_ary_entry(array, i));
    const double scale = (m[15] != 0.0) ? 1.0 / m[15] : 1.0;
    auto group = [&](int first) {
        return Vector3{static_cast<float>(m[first] * scale), static_cast<float>(m[first + 1] * scale),
                       static_cast<float>(m[first + 2] * scale)};
    };
    Transform t;
    t.matrix.e[0] = group(0);
    t.matrix.e[1] = group(4);
    t.matrix.e[2] = group(8);
    t.offset = group(12);
    return t;
}

VALUE toArray(const Transform& t) {
    const VALUE array = rb_ary_new_capa(kArrayLength);
    const Vector3* groups[] = {&t.matrix.e[0], &t.matrix.e[1], &t.matrix.e[2], &t.offset};
    for (int g = 0; g < 4; ++g) {
        rb_ary_push(array, DBL2NUM(groups[g]->x));
        rb_ary_push(array, DBL2NUM(groups[g]->y));
        rb_ary_push(array, DBL2NUM(groups[g]->z));
        rb_ary_push(array, DBL2NUM(g == 3 ? 1.0 : 0.0));
    }
    return array;
}

// (a * b) applies b first, then a, as Geom::Transformation products do.
Vector3 mapDirection(const Transform& a, const Vector3& v) {
    const Vector3* e = a.matrix.e;
    return Vector3{static_cast<float>(double(v.x) * e[0].x + double(v.y) * e[1].x + double(v.z) * e[2].x),
                   static_cast<float>(double(v.x) * e[0].y + double(v.y) * e[1].y + double(v.z) * e[2].y),
                   static_cast<float>(double(v.x) * e[0].z + double(v.y) * e[1].z + double(v.z) * e[2].z)};
}

Transform product(const Transform& a, const Transform& b) {
    Transform result;
    for (int i = 0; i < 3; ++i) result.matrix.e[i] = mapDirection(a, b.matrix.e[i]);
    const Vector3 moved = mapDirection(a, b.offset);
    result.offset = Vector3{moved.x + a.offset.x, moved.y + a.offset.y, moved.z + a.offset.z};
    return result;
}

Transform fromOneArgument(VALUE arg) {
    if (isKindOf(arg, HostClass::Transformation)) {
        const VALUE values = callPassingStops(arg, ids().toA, 0, nullptr);
        if (!RB_TYPE_P(values, T_ARRAY) || RARRAY_LEN(values) != kArrayLength)
            rb_raise(rb_eArgError, "%s", kToAFailed);
        return fromArray(values);
    }
    if (isValueObject<Transform>(arg)) {
        const Transform* source = valueData<Transform>(arg);
        if (!source) rb_raise(rb_eArgError, "%s", kInvalidTransform);
        return *source;
    }
    if (RB_TYPE_P(arg, T_ARRAY)) {
        if (RARRAY_LEN(arg) != kArrayLength) rb_raise(rb_eArgError, "%s", kBadArrayLength);
        return fromArray(arg);
    }
    rb_raise(rb_eArgError, "%s", kBadSingleArgument);
}

// Three Geom::Vector3d axes and a Geom::Point3d origin, or four Vectors.
Transform fromFourArguments(const VALUE* argv) {
    Transform t;
    Vector3* parts[] = {&t.matrix.e[0], &t.matrix.e[1], &t.matrix.e[2], &t.offset};
    const Vector3* vectors[4];
    bool allVectors = true;
    for (int i = 0; i < 4; ++i) allVectors = (vectors[i] = valueData<Vector3>(argv[i])) && allVectors;
    if (allVectors) {
        for (int i = 0; i < 4; ++i) *parts[i] = *vectors[i];
        return t;
    }
    const bool hostForm = isKindOf(argv[0], HostClass::Vector3d) && isKindOf(argv[1], HostClass::Vector3d) &&
                          isKindOf(argv[2], HostClass::Vector3d) && isKindOf(argv[3], HostClass::Point3d);
    if (!hostForm) rb_raise(rb_eArgError, "%s", kBadFourArguments);
    for (int i = 0; i < 4; ++i)
        if (!hostTriple(argv[i], *parts[i])) rb_raise(rb_eArgError, "%s", kBadFourArguments);
    return t;
}

Transform* selfData(VALUE self) {
    Transform* t = valueData<Transform>(self);
    if (!t) rb_raise(rb_eArgError, "%s", kInvalidTransform);
    return t;
}

// initialize / set: no argument gives the identity.
VALUE transformInitialize(int argc, VALUE* argv, VALUE self) {
    Transform* t = selfData(self);
    if (argc == 0) *t = Transform{};
    else if (argc == 1) *t = fromOneArgument(argv[0]);
    else if (argc == 4) *t = fromFourArguments(argv);
    else rb_raise(rb_eArgError, "%s", kBadArgumentCount);
    return self;
}

// The right operand may take any one-argument form of initialize.
VALUE transformMultiply(VALUE self, VALUE other) {
    const Transform result = product(*selfData(self), fromOneArgument(other));
    const VALUE object = allocValue<Transform>(rb_obj_class(self));
    *valueData<Transform>(object) = result;
    return object;
}

VALUE transformMultiplyInPlace(VALUE self, VALUE other) {
    Transform* t = selfData(self);
    *t = product(*t, fromOneArgument(other));
    return self;
}

VALUE transformToA(VALUE self) {
    const Transform* t = valueData<Transform>(self);
    if (t) return toArray(*t);
    if (isValueObject<Transform>(self)) rb_raise(rb_eArgError, "invalid transform - KilnForSketchUp::Transform#to_a");
    rb_raise(rb_eArgError, "invalid self - KilnForSketchUp::Transform#to_a");
}

std::string describe(const Transform& t) {
    std::string text;
    for (const Vector3* v : {&t.matrix.e[0], &t.matrix.e[1], &t.matrix.e[2], &t.offset})
        text += formatTriple(v->x, v->y, v->z) + "\n";
    return text;
}

VALUE transformToS(VALUE self) {
    const Transform* t = valueData<Transform>(self);
    return t ? wideToRuby(describe(*t)) : Qnil;
}

}  // namespace

VALUE defineTransformClass(VALUE module) {
    const VALUE klass = defineValueClass<Transform>(module, "Transform");
    rb_define_method(klass, "initialize", RUBY_METHOD_FUNC(transformInitialize), -1);
    rb_define_method(klass, "set", RUBY_METHOD_FUNC(transformInitialize), -1);
    rb_define_method(klass, "to_s", RUBY_METHOD_FUNC(transformToS), 0);
    rb_define_method(klass, "to_str", RUBY_METHOD_FUNC(transformToS), 0);
    rb_define_method(klass, "*", RUBY_METHOD_FUNC(transformMultiply), 1);
    rb_define_method(klass, "*=", RUBY_METHOD_FUNC(transformMultiplyInPlace), 1);
    rb_define_method(klass, "to_a", RUBY_METHOD_FUNC(transformToA), 0);
    return klass;
}

}  // namespace KilnRuby
