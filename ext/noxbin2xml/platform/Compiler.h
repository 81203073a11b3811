// Spellings that differ between compilers.
#pragma once

#include <cstdio>  // MinGW defines __MINGW_PRINTF_FORMAT in its C headers

// Lets the compiler check the arguments of a printf-style function; other
// compilers check nothing.
#if defined(__MINGW32__)
#define NOXBIN2XML_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(__MINGW_PRINTF_FORMAT, formatIndex, firstArgument)))
#elif defined(__GNUC__)  // GCC and Clang
#define NOXBIN2XML_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define NOXBIN2XML_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// A C function the WebAssembly module exports by `name`; elsewhere (the
// native build of the web entry points, for the benchmark) a plain C
// function.
#ifdef __wasm__
#define NOXBIN2XML_WASM_EXPORT(name) extern "C" __attribute__((export_name(#name)))
#else
#define NOXBIN2XML_WASM_EXPORT(name) extern "C"
#endif
