// KilnForSketchUp::Vector: three float32 x, y, z.
#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "ruby/ValueClasses.h"

using KilnCore::Vector3;

namespace KilnRuby {
namespace {

float toFloat(VALUE number) { return static_cast<float>(rb_num2dbl(number)); }

// A host point or vector through its to_a; raises with the caller's message
// when to_a gives no usable Array.
Vector3 fromHostValue(VALUE hostValue, const char* failure) {
    Vector3 v;
    if (!hostTriple(hostValue, v)) rb_raise(rb_eArgError, "%s", failure);
    return v;
}

Vector3 fromOneArgument(VALUE arg) {
    if (isKindOf(arg, HostClass::Vector3d))
        return fromHostValue(arg, "invalid Geom::Vector3d#[] result - KilnForSketchUp::Vector#set");
    if (isKindOf(arg, HostClass::Point3d))
        return fromHostValue(arg, "invalid Geom::Point3d#[] result - KilnForSketchUp::Vector#set");
    if (isKindOf(arg, HostClass::Vertex)) {
        const VALUE position = callPassingStops(arg, ids().position, 0, nullptr);
        if (NIL_P(position)) rb_raise(rb_eArgError, "invalid Geom::Vertex#position result - KilnForSketchUp::Vector#set");
        return fromHostValue(position, "invalid Geom::Point3d#[] result - KilnForSketchUp::Vector#set");
    }
    if (isValueObject<Vector3>(arg)) {
        const Vector3* source = valueData<Vector3>(arg);
        if (!source) rb_raise(rb_eArgError, "invalid KilnForSketchUp::Vector argument in Vector#set");
        return *source;
    }
    rb_raise(rb_eArgError, "invalid argument - KilnForSketchUp::Vector#set");
}

// set(x, y, z) or set(vector, point, vertex or Vector); also initialize.
VALUE vectorSet(int argc, VALUE* argv, VALUE self) {
    Vector3* v = valueData<Vector3>(self);
    if (!v) rb_raise(rb_eArgError, "invalid self - KilnForSketchUp::Vector#set");
    if (argc == 3) {
        const float x = toFloat(argv[0]), y = toFloat(argv[1]), z = toFloat(argv[2]);
        *v = Vector3{x, y, z};
    } else if (argc == 1) {
        *v = fromOneArgument(argv[0]);
    } else {
        rb_raise(rb_eArgError, "invalid parameter count - KilnForSketchUp::Vector#set");
    }
    return self;
}

VALUE vectorToS(VALUE self) {
    const Vector3* v = valueData<Vector3>(self);
    return v ? wideToRuby(formatTriple(v->x, v->y, v->z)) : Qnil;
}

VALUE vectorToA(VALUE self) {
    const Vector3* v = valueData<Vector3>(self);
    if (!v) return Qnil;
    return rb_ary_new_from_args(3, DBL2NUM(v->x), DBL2NUM(v->y), DBL2NUM(v->z));
}

}  // namespace

VALUE defineVectorClass(VALUE module) {
    const VALUE klass = defineValueClass<Vector3>(module, "Vector");
    rb_define_method(klass, "set", RUBY_METHOD_FUNC(vectorSet), -1);
    rb_define_method(klass, "initialize", RUBY_METHOD_FUNC(vectorSet), -1);
    rb_define_method(klass, "to_s", RUBY_METHOD_FUNC(vectorToS), 0);
    rb_define_method(klass, "to_str", RUBY_METHOD_FUNC(vectorToS), 0);
    rb_define_method(klass, "to_a", RUBY_METHOD_FUNC(vectorToA), 0);
    return klass;
}

}  // namespace KilnRuby
