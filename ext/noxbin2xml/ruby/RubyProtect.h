// Running Ruby code from C++ without letting an exception escape.
//
// A Ruby exception is a longjmp: it must never unwind a C++ frame that holds
// objects with destructors. C++ code therefore reaches every Ruby call that
// can raise through runProtected, whose body holds plain values only; the
// longjmp ends inside rb_protect and comes back as a failed result.
#pragma once

#include <ruby.h>

namespace KilnRuby {

namespace detail {
template <class Body>
VALUE invokeBody(VALUE body) {
    return (*reinterpret_cast<Body*>(body))();
}
}  // namespace detail

// Runs body(), a callable returning VALUE, under rb_protect. An exception
// (or a throw or break) ends the body and is discarded: the thread's error
// state ($!) is put back as it was, result becomes nil and the answer is
// false. The body must hold no object with a destructor.
template <class Body>
bool runProtected(Body body, VALUE& result) {
    const VALUE savedError = rb_errinfo();
    int state = 0;
    result = rb_protect(&detail::invokeBody<Body>, reinterpret_cast<VALUE>(&body), &state);
    if (state == 0) return true;
    rb_set_errinfo(savedError);
    result = Qnil;
    return false;
}

// runProtected when only the value matters: nil after an exception.
template <class Body>
VALUE protectedValue(Body body) {
    VALUE result;
    runProtected(body, result);
    return result;
}

}  // namespace KilnRuby
