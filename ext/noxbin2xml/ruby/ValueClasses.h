// The value classes KilnForSketchUp::Vector, Color, Transform and Material:
// Ruby objects wrapping a native value that the module reads directly.
#pragma once

#include <ruby.h>

#include <cstdint>
#include <new>
#include <string>

#include "ruby/RubyValueGuard.h"
#include "serial/Types.h"

namespace KilnRuby {

// What a KilnForSketchUp::Material describes: a SketchUp material as the
// plug-in's Ruby code sees it.
struct MaterialValue {
    KilnCore::Color color;
    std::string texture;  // file name
    std::string name;
    float alpha = 1.0f;
    int32_t type = 0;
    bool useAlpha = false;
};

// Defines the four classes under the plug-in module. A class that cannot be
// defined (the name is taken by something else) is left out.
void defineValueClasses(VALUE pluginModule);

// The Ruby name and the class object of each wrapped type.
template <class T>
struct ValueTraits;
template <>
struct ValueTraits<KilnCore::Vector3> {
    static constexpr const char* name = "KilnForSketchUp::Vector";
};
template <>
struct ValueTraits<KilnCore::Color> {
    static constexpr const char* name = "KilnForSketchUp::Color";
};
template <>
struct ValueTraits<KilnCore::Transform> {
    static constexpr const char* name = "KilnForSketchUp::Transform";
};
template <>
struct ValueTraits<MaterialValue> {
    static constexpr const char* name = "KilnForSketchUp::Material";
};

template <class T>
VALUE& valueClass() {
    static VALUE klass = Qnil;
    return klass;
}

template <class T>
void freeValue(void* data) {
    delete static_cast<T*>(data);
}

template <class T>
size_t valueSize(const void*) {
    return sizeof(T);
}

template <class T>
const rb_data_type_t* valueType() {
    static const rb_data_type_t type = {
        ValueTraits<T>::name, {nullptr, freeValue<T>, valueSize<T>, nullptr, {}}, nullptr, nullptr,
        RUBY_TYPED_FREE_IMMEDIATELY};
    return &type;
}

// The native value of a wrapped object, or null for anything else.
template <class T>
T* valueData(VALUE object) {
    if (!rb_typeddata_is_kind_of(object, valueType<T>())) return nullptr;
    return static_cast<T*>(RTYPEDDATA_DATA(object));
}

// True for an instance of the class (with or without native data).
template <class T>
bool isValueObject(VALUE object) {
    const VALUE klass = valueClass<T>();
    return !NIL_P(klass) && RTEST(rb_obj_is_kind_of(object, klass));
}

// The allocation function: a new object with a default value. Raises
// NoMemoryError when memory runs out.
template <class T>
VALUE allocValue(VALUE klass) {
    const VALUE object = rb_data_typed_object_wrap(klass, nullptr, valueType<T>());
    T* data = new (std::nothrow) T();
    if (!data) rb_memerror();
    RTYPEDDATA_DATA(object) = data;
    return object;
}

// obj.dup and obj.clone copy the native value.
template <class T>
VALUE copyValue(VALUE self, VALUE original) {
    T* target = valueData<T>(self);
    const T* source = valueData<T>(original);
    if (!target || !source) rb_raise(rb_eTypeError, "initialize_copy should take same class object");
    if (target != source) *target = *source;
    return self;
}

// Defines the class under the module with its allocation and copy functions
// and remembers it. Raises when the name is taken by something else.
template <class T>
VALUE defineValueClass(VALUE module, const char* name) {
    const VALUE klass = rb_define_class_under(module, name, rb_cObject);
    rb_define_alloc_func(klass, allocValue<T>);
    rb_define_method(klass, "initialize_copy", RUBY_METHOD_FUNC(copyValue<T>), 1);
    if (NIL_P(valueClass<T>())) keepAlive(klass);
    valueClass<T>() = klass;
    return klass;
}

// A new Color object holding c; nil when the class is not defined.
VALUE newColorObject(const KilnCore::Color& c);

// "{ a, b, c }" with default stream formatting of each value.
std::string formatTriple(float a, float b, float c);

// The first three numbers of a host point's or vector's to_a. False when
// to_a gives no Array of at least three; a non-number raises TypeError.
bool hostTriple(VALUE hostValue, KilnCore::Vector3& out);

// Defining functions of the single classes (each may raise).
VALUE defineVectorClass(VALUE module);
VALUE defineColorClass(VALUE module);
VALUE defineTransformClass(VALUE module);
VALUE defineMaterialClass(VALUE module);

}  // namespace KilnRuby
