// Running Ruby code from C++ without letting an exception escape.
//
// A Ruby exception is a longjmp: it must never unwind a C++ frame that holds
// objects with destructors. C++ code therefore reaches every Ruby call that
// can raise through runProtected, whose body holds plain values only; the
// longjmp ends inside rb_protect and comes back as a failed result.
//
// What ends a body is either an error or a stop:
// - errors (StandardError, ScriptError, NoMemoryError, SecurityError,
//   SystemStackError and their subclasses) are how a host method fails:
//   the result is nil and the thread's error state ($!) stays as it was;
// - everything else is a stop: a signal such as Interrupt, SystemExit,
//   throw, Thread#kill, or an exception class outside those families. A
//   stop caught inside a module call is kept and continues when the call
//   ends (ModuleCall.h); until then every protected call fails at once
//   without running Ruby code, so the C++ work unwinds and the interpreter
//   keeps the stop's payload untouched. Outside a module call it is dropped
//   like an error.
#pragma once

#include <ruby.h>

namespace KilnRuby {

namespace detail {
template <class Body>
VALUE invokeBody(VALUE body) {
    return (*reinterpret_cast<Body*>(body))();
}
bool runGuarded(VALUE (*invoke)(VALUE), VALUE body, VALUE& result);
VALUE rescueErrors(VALUE (*invoke)(VALUE), VALUE body);
}  // namespace detail

// Runs body(), a callable returning VALUE, guarded as above. True when it
// returned; after an error or a stop (or while a stop waits) result is nil
// and the answer false. The body must hold no object with a destructor.
template <class Body>
bool runProtected(Body body, VALUE& result) {
    return detail::runGuarded(&detail::invokeBody<Body>, reinterpret_cast<VALUE>(&body), result);
}

// runProtected when only the value matters: nil after an error or a stop.
template <class Body>
VALUE protectedValue(Body body) {
    VALUE result;
    runProtected(body, result);
    return result;
}

// body() with errors turned into nil, but a stop continues at once through
// the caller: only for Ruby-facing functions whose frames hold no object
// with a destructor (the value classes, which raise their own errors the
// same way).
template <class Body>
VALUE valuePassingStops(Body body) {
    return detail::rescueErrors(&detail::invokeBody<Body>, reinterpret_cast<VALUE>(&body));
}

}  // namespace KilnRuby
