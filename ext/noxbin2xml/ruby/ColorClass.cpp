// KilnForSketchUp::Color: three float32 r, g, b in 0..1.
#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "ruby/ValueClasses.h"

using KilnCore::Color;

namespace KilnRuby {
namespace {

// 0..255 to 0..1, with the float32 factor the old code used.
constexpr float kByteToUnit = 0.0039215689f;

float byteToUnit(VALUE number) {
    return static_cast<float>(static_cast<uint32_t>(rb_num2ulong(number))) * kByteToUnit;
}

float toFloat(VALUE number) { return static_cast<float>(rb_num2dbl(number)); }

// The first argument decides: Floats are taken as they are, Integers as bytes.
Color fromThreeArguments(const VALUE* argv) {
    float (*convert)(VALUE);
    if (RB_FLOAT_TYPE_P(argv[0])) convert = toFloat;
    else if (RB_INTEGER_TYPE_P(argv[0])) convert = byteToUnit;
    else
        rb_raise(rb_eArgError,
                 "KilnForSketchUp::Color#initialize - invalid arguments: when passing 3 they must be fixnum / floats");
    const float r = convert(argv[0]), g = convert(argv[1]), b = convert(argv[2]);
    return Color{r, g, b};
}

Color fromOneArgument(VALUE arg) {
    if (isKindOf(arg, HostClass::Color)) {
        const VALUE values = callPassingStops(arg, ids().toA, 0, nullptr);
        if (!RB_TYPE_P(values, T_ARRAY) || RARRAY_LEN(values) < 3)
            rb_raise(rb_eArgError, "KilnForSketchUp::Color#initialize - invalid to_a in 1 argc color init");
        const float r = byteToUnit(rb_ary_entry(values, 0));
        const float g = byteToUnit(rb_ary_entry(values, 1));
        const float b = byteToUnit(rb_ary_entry(values, 2));
        return Color{r, g, b};
    }
    if (isValueObject<Color>(arg)) {
        const Color* source = valueData<Color>(arg);
        if (!source) rb_raise(rb_eArgError, "KilnForSketchUp::Color#initialize - invalid KilnForSketchUp::Color to copy");
        return *source;
    }
    rb_raise(rb_eArgError,
             "KilnForSketchUp::Color#initialize - invalid single argument: must be Sketchup::Color or "
             "KilnForSketchUp::Color");
}

// initialize(r, g, b), initialize(Sketchup::Color or Color); also set. Other
// argument counts change nothing.
VALUE colorInitialize(int argc, VALUE* argv, VALUE self) {
    Color* c = valueData<Color>(self);
    if (!c) rb_raise(rb_eArgError, "invalid self in KilnForSketchUp::Color#initialize");
    if (argc == 3) *c = fromThreeArguments(argv);
    else if (argc == 1) *c = fromOneArgument(argv[0]);
    return self;
}

VALUE colorToS(VALUE self) {
    const Color* c = valueData<Color>(self);
    return c ? wideToRuby(formatTriple(c->r, c->g, c->b)) : Qnil;
}

}  // namespace

VALUE defineColorClass(VALUE module) {
    const VALUE klass = defineValueClass<Color>(module, "Color");
    rb_define_method(klass, "initialize", RUBY_METHOD_FUNC(colorInitialize), -1);
    rb_define_method(klass, "set", RUBY_METHOD_FUNC(colorInitialize), -1);
    rb_define_method(klass, "to_s", RUBY_METHOD_FUNC(colorToS), 0);
    rb_define_method(klass, "to_str", RUBY_METHOD_FUNC(colorToS), 0);
    return klass;
}

}  // namespace KilnRuby
