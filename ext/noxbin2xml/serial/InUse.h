// The object of a kind that code deep inside a read or a write consults
// without being handed it (the material library that names materials, the
// default sun skies fall back to). A scene converter owns such objects and
// puts them in use for the length of each of its calls.
#pragma once

namespace KilnCore {

// While an InUse<T> lives, get() on its thread answers its object; outside
// every such scope it answers the process-wide object (see setProcessWide),
// or, for code that works outside any scene (tests, the sample generator),
// one of its own made on first use.
template <class T>
class InUse {
public:
    static T& get() {
        if (current_) return *current_;
        if (!processWide_) processWide_ = new T();  // never destroyed, like a process-wide object
        return *processWide_;
    }
    // What get() answers outside every scope from now on.
    static void setProcessWide(T& object) { processWide_ = &object; }

    explicit InUse(T& object) : outer_(current_) { current_ = &object; }
    ~InUse() { current_ = outer_; }
    InUse(const InUse&) = delete;
    InUse& operator=(const InUse&) = delete;

private:
    static inline thread_local T* current_ = nullptr;
    static inline T* processWide_ = nullptr;
    T* outer_;
};

}  // namespace KilnCore
