// WASI's C++ runtime, built without threads, has no way to end thread_local
// objects at a thread's exit. Its one thread is the program's, so they end
// with the program, as static objects do.
#ifdef __wasi__

extern "C" int __cxa_atexit(void (*destructor)(void*), void* object, void* dso);

extern "C" int __cxa_thread_atexit(void (*destructor)(void*), void* object, void* dso) {
    return __cxa_atexit(destructor, object, dso);
}

#endif
