// Keeps Ruby values alive while C++ holds them outside the machine stack
// (members, containers). Every guard shares one process-wide store that the
// collector marks; the store pins its values, so compaction never moves a
// value a guard still refers to.
#pragma once

#include <ruby.h>

namespace KilnRuby {

// Adds one reference to the shared store (nil, false and other immediate
// values need none).
void keepAlive(VALUE value);
// Removes the last reference to the value from the store, if there is one.
void releaseKeptAlive(VALUE value);
// Number of references the store holds (for checks).
long keptAliveCount();

class RubyValueGuard {
public:
    RubyValueGuard() = default;
    explicit RubyValueGuard(VALUE value) { set(value); }
    RubyValueGuard(const RubyValueGuard& other) { set(other.value_); }
    RubyValueGuard(RubyValueGuard&& other) noexcept : value_(other.value_) { other.value_ = Qnil; }
    RubyValueGuard& operator=(const RubyValueGuard& other) {
        set(other.value_);
        return *this;
    }
    RubyValueGuard& operator=(RubyValueGuard&& other) noexcept;
    ~RubyValueGuard() { release(); }

    VALUE get() const { return value_; }
    // True unless the value is nil or false.
    bool truthy() const { return RTEST(value_); }

    // Holds a new value: keeps it alive first, then lets go of the old one.
    void set(VALUE value);
    // Lets go of the value; the guard holds nil afterwards.
    void release();
    // Hands the value out (to be returned to Ruby at once) and lets go of it.
    VALUE take();

private:
    VALUE value_ = Qnil;
};

}  // namespace KilnRuby
