// Entry point of the Ruby extension.
#include <ruby.h>

namespace {

VALUE notYet(int, VALUE*, VALUE) { return Qnil; }

}  // namespace

extern "C" __attribute__((visibility("default"))) void Init_Noxbin2xml() {
    VALUE module = rb_define_module("Noxbin2xml");
    rb_define_module_function(module, "old_deserialize", RUBY_METHOD_FUNC(notYet), -1);
    rb_define_module_function(module, "serialize_to_xml", RUBY_METHOD_FUNC(notYet), -1);
    rb_define_module_function(module, "convert_material", RUBY_METHOD_FUNC(notYet), -1);
    rb_define_module_function(module, "convert_light", RUBY_METHOD_FUNC(notYet), -1);
}
