#include "ruby/RubyValueGuard.h"

#include <vector>

#include "ruby/RubyProtect.h"

namespace KilnRuby {
namespace {

std::vector<VALUE> keptValues;
VALUE storeObject = Qfalse;

// rb_gc_mark pins: a kept value is never moved by compaction.
void markKeptValues(void*) {
    for (VALUE value : keptValues) rb_gc_mark(value);
}

const rb_data_type_t kStoreType = {
    "Noxbin2xml::KeepAliveStore", {markKeptValues, nullptr, nullptr, nullptr, {}}, nullptr, nullptr, 0};

bool needsKeeping(VALUE value) { return !RB_SPECIAL_CONST_P(value); }

// The store's marker object, created once and itself kept for good.
// Allocating it could raise, so it happens under protection.
void ensureStore() {
    if (storeObject != Qfalse) return;
    VALUE object;
    if (runProtected(
            [] {
                const VALUE obj = rb_data_typed_object_wrap(0, &keptValues, &kStoreType);
                rb_gc_register_mark_object(obj);
                return obj;
            },
            object))
        storeObject = object;
}

}  // namespace

void keepAlive(VALUE value) {
    if (!needsKeeping(value)) return;
    ensureStore();
    keptValues.push_back(value);
}

void releaseKeptAlive(VALUE value) {
    if (!needsKeeping(value)) return;
    for (auto it = keptValues.rbegin(); it != keptValues.rend(); ++it) {
        if (*it == value) {
            keptValues.erase(std::next(it).base());
            return;
        }
    }
}

long keptAliveCount() { return static_cast<long>(keptValues.size()); }

RubyValueGuard& RubyValueGuard::operator=(RubyValueGuard&& other) noexcept {
    if (this != &other) {
        release();
        value_ = other.value_;
        other.value_ = Qnil;
    }
    return *this;
}

void RubyValueGuard::set(VALUE value) {
    if (value == value_) return;
    keepAlive(value);
    releaseKeptAlive(value_);
    value_ = value;
}

void RubyValueGuard::release() {
    releaseKeptAlive(value_);
    value_ = Qnil;
}

VALUE RubyValueGuard::take() {
    const VALUE value = value_;
    release();
    return value;
}

}  // namespace KilnRuby
