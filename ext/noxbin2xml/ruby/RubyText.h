// Text and numbers across the Ruby boundary. Model text is UTF-8; Ruby
// Strings made here are tagged UTF-8 (narrowToRuby excepted). None of these
// raises: a failed conversion gives false or nil.
#pragma once

#include <ruby.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace KilnRuby {

// A String (or anything converting to one through to_str) as model text:
// kept when it is valid UTF-8, read as Windows-1252 otherwise. out is
// emptied first; false for nil, for a value that is no String and when the
// conversion raises.
bool rubyToWide(VALUE value, std::string& out);
// The name of the value's class ("NilClass", "String"), for messages.
std::string classNameOf(VALUE value);
// Model text as a UTF-8 String; nil if it cannot be made.
VALUE wideToRuby(std::string_view text);
// Bytes as a String without encoding (ASCII-8BIT); nil if it cannot be made.
VALUE narrowToRuby(std::string_view bytes);

// An Integer that fits in 32 bits; anything else gives false and leaves out
// unchanged.
bool rubyToInt(VALUE value, int32_t& out);
// Any value Ruby converts to a C long (Integers, Floats truncated); false
// when the conversion raises.
bool numberToLong(VALUE value, long& out);
// A Float; nil if it cannot be made.
VALUE floatToRuby(double value);

}  // namespace KilnRuby
