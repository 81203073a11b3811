#include "ruby/RubyProtect.h"

#include "ruby/ModuleCall.h"

namespace KilnRuby {
namespace {

struct Guarded {
    VALUE (*invoke)(VALUE);
    VALUE body;
    VALUE error;  // the error the body raised, or Qundef
};

VALUE keepError(VALUE guarded, VALUE error) {
    reinterpret_cast<Guarded*>(guarded)->error = error;
    return Qnil;
}

// The body, with Ruby's families of errors rescued; rb_rescue2 puts the
// error state back as it was. Anything else passes on.
VALUE rescuingErrors(VALUE guarded) {
    Guarded& g = *reinterpret_cast<Guarded*>(guarded);
    return rb_rescue2(g.invoke, g.body, keepError, guarded, rb_eStandardError, rb_eScriptError, rb_eNoMemError,
                      rb_eSecurityError, rb_eSysStackError, static_cast<VALUE>(0));
}

}  // namespace

bool detail::runGuarded(VALUE (*invoke)(VALUE), VALUE body, VALUE& result) {
    result = Qnil;
    if (pendingStop()) return false;
    Guarded guarded{invoke, body, Qundef};
    int state = 0;
    const VALUE value = rb_protect(rescuingErrors, reinterpret_cast<VALUE>(&guarded), &state);
    if (state != 0) {
        noteStop(state);
        return false;
    }
    if (guarded.error != Qundef) {
        noteHostError(guarded.error);
        return false;
    }
    result = value;
    return true;
}

VALUE detail::rescueErrors(VALUE (*invoke)(VALUE), VALUE body) {
    Guarded guarded{invoke, body, Qundef};
    const VALUE value = rescuingErrors(reinterpret_cast<VALUE>(&guarded));
    return guarded.error == Qundef ? value : Qnil;
}

}  // namespace KilnRuby
