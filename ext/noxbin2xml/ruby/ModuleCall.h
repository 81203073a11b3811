// One call of a module function as the module sees it: why it failed, kept
// for Noxbin2xml.last_failure, and a stop (Interrupt, SystemExit, throw,
// Thread#kill) caught by its protected calls, which continues once the
// call's C++ objects are gone.
//
// The record belongs to the calling thread. A module function called from a
// host callback of another has a record of its own: the outer call's reason
// is set aside meanwhile, and its last_failure is its own.
#pragma once

#include <ruby.h>

#include <string>
#include <type_traits>

namespace KilnRuby {

// Why the current call fails; the first reason given stands. Returns false,
// so a failing step can end with `return failCall(...)`.
bool failCall(const std::string& reason);

// What the protected calls report: the first error a host method raised in
// the current call (it becomes a line of the failure), and a stop.
void noteHostError(VALUE error);
void noteStop(int state);
// The jump state of a stop caught in the current call that waits to
// continue, or 0.
int pendingStop();

// The calling thread's last failure, lines joined by "\n"; empty when the
// last module call succeeded (or there was none).
const std::string& lastFailure();

namespace detail {
void beginCall();
// Ends the call, keeping its failure unless it succeeded; the jump state of
// a stop to continue, or 0.
int endCall(bool succeeded);
}  // namespace detail

// Runs one call of a module function. `call` does all of its C++ work and
// returns its result; whatever it created is destroyed when it returns. A
// result of nil or false is a failure. A stop continues from here.
template <class Call>
VALUE runModuleCall(Call call) {
    static_assert(std::is_trivially_destructible_v<Call>, "a stop may leave this frame with a longjmp");
    detail::beginCall();
    const VALUE result = call();
    if (const int stop = detail::endCall(RTEST(result))) rb_jump_tag(stop);
    return result;
}

}  // namespace KilnRuby
