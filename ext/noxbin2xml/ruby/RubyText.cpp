#include "ruby/RubyText.h"

#include <ruby/encoding.h>

#include <limits>

#include "ruby/RubyProtect.h"
#include "serial/Text.h"

namespace KilnRuby {

bool rubyToWide(VALUE value, std::string& out) {
    out.clear();
    if (NIL_P(value)) return false;
    VALUE text;
    if (!runProtected(
            [value] {
                volatile VALUE converted = value;
                return rb_string_value(&converted);
            },
            text))
        return false;
    if (!RB_TYPE_P(text, T_STRING)) return false;
    out = KilnCore::decodeLegacyText(std::string_view(RSTRING_PTR(text), RSTRING_LEN(text)));
    RB_GC_GUARD(text);
    return true;
}

std::string classNameOf(VALUE value) {
    std::string name;
    rubyToWide(protectedValue([value] { return rb_class_name(rb_obj_class(value)); }), name);
    return name;
}

VALUE wideToRuby(std::string_view text) {
    const char* bytes = text.data();
    const long length = static_cast<long>(text.size());
    return protectedValue([bytes, length] { return rb_utf8_str_new(bytes, length); });
}

VALUE narrowToRuby(std::string_view text) {
    const char* bytes = text.data();
    const long length = static_cast<long>(text.size());
    return protectedValue([bytes, length] { return rb_str_new(bytes, length); });
}

bool rubyToInt(VALUE value, int32_t& out) {
    if (!FIXNUM_P(value)) return false;  // a Bignum never fits 32 bits
    const long number = FIX2LONG(value);
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        return false;
    out = static_cast<int32_t>(number);
    return true;
}

bool numberToLong(VALUE value, long& out) {
    if (FIXNUM_P(value)) {
        out = FIX2LONG(value);
        return true;
    }
    long number = 0;
    VALUE ignored;
    if (!runProtected(
            [value, &number] {
                number = rb_num2long(value);
                return Qnil;
            },
            ignored))
        return false;
    out = number;
    return true;
}

VALUE floatToRuby(double value) {
    return protectedValue([value] { return rb_float_new(value); });
}

}  // namespace KilnRuby
