// KilnForSketchUp::Material: the plug-in's description of a SketchUp
// material. Its accessors never raise: a value they cannot take gives nil
// and changes nothing.
#include <sstream>
#include <string>

#include "ruby/HostAccess.h"
#include "ruby/RubyText.h"
#include "ruby/ValueClasses.h"
#include "serial/Text.h"

using KilnCore::Color;

namespace KilnRuby {
namespace {

MaterialValue* data(VALUE self) { return valueData<MaterialValue>(self); }

VALUE materialInitialize(VALUE self) {
    if (MaterialValue* m = data(self)) *m = MaterialValue{};
    return Qnil;
}

VALUE materialType(VALUE self) {
    const MaterialValue* m = data(self);
    return m ? INT2FIX(m->type) : Qnil;
}

VALUE materialSetType(VALUE self, VALUE value) {
    MaterialValue* m = data(self);
    return m && rubyToInt(value, m->type) ? self : Qnil;
}

VALUE materialColor(VALUE self) {
    const MaterialValue* m = data(self);
    return m ? newColorObject(m->color) : Qnil;
}

VALUE materialSetColor(VALUE self, VALUE value) {
    MaterialValue* m = data(self);
    const Color* color = valueData<Color>(value);
    if (!m || !color) return Qnil;
    m->color = *color;
    return self;
}

VALUE materialAlpha(VALUE self) {
    const MaterialValue* m = data(self);
    return m ? floatToRuby(m->alpha) : Qnil;
}

VALUE materialSetAlpha(VALUE self, VALUE value) {
    MaterialValue* m = data(self);
    if (!m || !(RB_FLOAT_TYPE_P(value) || RB_INTEGER_TYPE_P(value))) return Qnil;
    m->alpha = static_cast<float>(rb_num2dbl(value));  // cannot raise for these two classes
    return self;
}

VALUE materialUseAlpha(VALUE self) {
    const MaterialValue* m = data(self);
    if (!m) return Qnil;
    return m->useAlpha ? Qtrue : Qfalse;
}

VALUE materialSetUseAlpha(VALUE self, VALUE value) {
    MaterialValue* m = data(self);
    if (!m || (value != Qtrue && value != Qfalse)) return Qnil;
    m->useAlpha = value == Qtrue;
    return self;
}

// Text fields: the field keeps its text unless the value converts.
VALUE setText(VALUE self, VALUE value, std::string MaterialValue::*field) {
    MaterialValue* m = data(self);
    std::string text;
    if (!m || !rubyToWide(value, text)) return Qnil;
    (m->*field).swap(text);
    return self;
}

VALUE getText(VALUE self, std::string MaterialValue::*field) {
    const MaterialValue* m = data(self);
    return m ? wideToRuby(m->*field) : Qnil;
}

VALUE materialName(VALUE self) { return getText(self, &MaterialValue::name); }
VALUE materialSetName(VALUE self, VALUE value) { return setText(self, value, &MaterialValue::name); }
VALUE materialTexture(VALUE self) { return getText(self, &MaterialValue::texture); }
VALUE materialSetTexture(VALUE self, VALUE value) { return setText(self, value, &MaterialValue::texture); }

std::string describe(const MaterialValue& m) {
    std::ostringstream out;
    out << "Name: " << m.name << "\tColor: " << "[ " << m.color.r << ", " << m.color.g << ", " << m.color.b
        << "]\n"
        << "\nAlpha: " << m.alpha << "\tUse Alpha: " << (m.useAlpha ? 1 : 0) << "\nTexture: " << m.texture;
    return out.str();
}

VALUE materialToS(VALUE self) {
    const MaterialValue* m = data(self);
    return m ? wideToRuby(describe(*m)) : Qnil;
}

bool sameMaterial(const MaterialValue& a, const MaterialValue& b) {
    return KilnCore::equalsNoCase(a.texture, b.texture) && KilnCore::equalsNoCase(a.name, b.name) &&
           a.color == b.color && a.alpha == b.alpha && a.type == b.type && a.useAlpha == b.useAlpha;
}

struct ComparisonMessages {
    const char* wrongType;
    const char* invalidSelf;
    const char* invalidOther;
};

const ComparisonMessages kEqualMessages = {
    "[KilnForSketchUp::Material#==] - argument 1 expected to be of type KilnForSketchUp::Material\n",
    "[KilnForSketchUp::Material#==] - invalid self\n",
    "[KilnForSketchUp::Material#==] - invalid argument 1\n",
};
const ComparisonMessages kNotEqualMessages = {
    "[KilnForSketchUp::Material#!=] - argument 1 expected to be of type KilnForSketchUp::Material\n",
    "[KilnForSketchUp::Material#!=] - invalid self\n",
    "[KilnForSketchUp::Material#!=] - invalid argument 1\n",
};

// Raises RuntimeError unless both sides are Materials with data.
bool compare(VALUE self, VALUE other, const ComparisonMessages& messages) {
    if (!isValueObject<MaterialValue>(other)) rb_raise(rb_eRuntimeError, "%s", messages.wrongType);
    const MaterialValue* a = data(self);
    if (!a) rb_raise(rb_eRuntimeError, "%s", messages.invalidSelf);
    const MaterialValue* b = data(other);
    if (!b) rb_raise(rb_eRuntimeError, "%s", messages.invalidOther);
    return sameMaterial(*a, *b);
}

VALUE materialIsEqual(VALUE self, VALUE other) { return compare(self, other, kEqualMessages) ? Qtrue : Qfalse; }
VALUE materialNotEqual(VALUE self, VALUE other) { return compare(self, other, kNotEqualMessages) ? Qfalse : Qtrue; }

}  // namespace

VALUE defineMaterialClass(VALUE module) {
    const VALUE klass = defineValueClass<MaterialValue>(module, "Material");
    struct Method {
        const char* name;
        VALUE (*function)(ANYARGS);
        int arity;
    };
    const Method methods[] = {
        {"initialize", RUBY_METHOD_FUNC(materialInitialize), 0},
        {"type", RUBY_METHOD_FUNC(materialType), 0},
        {"type=", RUBY_METHOD_FUNC(materialSetType), 1},
        {"color", RUBY_METHOD_FUNC(materialColor), 0},
        {"color=", RUBY_METHOD_FUNC(materialSetColor), 1},
        {"texture", RUBY_METHOD_FUNC(materialTexture), 0},
        {"texture=", RUBY_METHOD_FUNC(materialSetTexture), 1},
        {"name", RUBY_METHOD_FUNC(materialName), 0},
        {"name=", RUBY_METHOD_FUNC(materialSetName), 1},
        {"alpha", RUBY_METHOD_FUNC(materialAlpha), 0},
        {"alpha=", RUBY_METHOD_FUNC(materialSetAlpha), 1},
        {"use_alpha", RUBY_METHOD_FUNC(materialUseAlpha), 0},
        {"use_alpha=", RUBY_METHOD_FUNC(materialSetUseAlpha), 1},
        {"to_s", RUBY_METHOD_FUNC(materialToS), 0},
        {"is_equal?", RUBY_METHOD_FUNC(materialIsEqual), 1},
        {"not_equal?", RUBY_METHOD_FUNC(materialNotEqual), 1},
    };
    for (const Method& method : methods) (rb_define_method)(klass, method.name, method.function, method.arity);
    return klass;
}

}  // namespace KilnRuby
