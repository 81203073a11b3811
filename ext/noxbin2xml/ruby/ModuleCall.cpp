#include "ruby/ModuleCall.h"

#include "ruby/RubyProtect.h"
#include "ruby/RubyText.h"

#include <vector>

namespace KilnRuby {
namespace {

// What a call has found so far; a call made from a host callback of another
// keeps the outer call's findings aside and gives them back when it ends.
struct CallFindings {
    int stop = 0;  // jump state of the stop caught in the call
    std::string reason;
    std::string hostError;
};

struct CallRecord : CallFindings {
    int depth = 0;  // module calls under way on this thread
    std::string lastFailure;
    std::vector<CallFindings> outer;  // of the calls under way, outermost first
};

thread_local CallRecord record;

// "RuntimeError: no dictionaries", or empty when the error cannot say.
std::string describe(VALUE error) {
    static const ID kMessage = rb_intern("message");
    const VALUE text = protectedValue([error] {
        return rb_sprintf("%" PRIsVALUE ": %" PRIsVALUE, rb_obj_class(error), rb_funcall(error, kMessage, 0));
    });
    std::string out;
    rubyToWide(text, out);
    return out;
}

void dropTrailingNewlines(std::string& text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
}

void keepFailure() {
    std::string& out = record.lastFailure;
    out = record.reason.empty() ? "the call failed" : record.reason;
    dropTrailingNewlines(out);
    if (!record.hostError.empty()) out += '\n' + record.hostError;
}

}  // namespace

bool failCall(const std::string& reason) {
    if (record.reason.empty()) {
        try {
            record.reason = reason;
        } catch (...) {  // memory exhaustion: the reason is lost, not the result
        }
    }
    return false;
}

void noteHostError(VALUE error) {
    if (record.depth == 0 || !record.hostError.empty()) return;
    try {
        record.hostError = "caught an error";  // describing it may raise again
        const std::string text = describe(error);
        if (!text.empty()) record.hostError = "caught " + text;
    } catch (...) {
    }
    RB_GC_GUARD(error);
}

void noteStop(int state) {
    if (record.depth > 0 && record.stop == 0) record.stop = state;
}

int pendingStop() { return record.stop; }

const std::string& lastFailure() { return record.lastFailure; }

namespace detail {

void beginCall() {
    if (record.depth > 0) {
        try {
            record.outer.push_back(std::move(static_cast<CallFindings&>(record)));
        } catch (...) {  // memory exhaustion: the outer call may report this call's reason
        }
    }
    ++record.depth;
    record.stop = 0;
    record.reason.clear();
    record.hostError.clear();
}

int endCall(bool succeeded) {
    const int stop = record.stop;
    record.stop = 0;
    --record.depth;
    try {
        if (succeeded || stop != 0) record.lastFailure.clear();
        else keepFailure();
    } catch (...) {
        record.lastFailure.clear();
    }
    if (record.depth > 0 && record.outer.size() == static_cast<size_t>(record.depth)) {
        static_cast<CallFindings&>(record) = std::move(record.outer.back());
        record.outer.pop_back();
    }
    return stop;
}

}  // namespace detail
}  // namespace KilnRuby
