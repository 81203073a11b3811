# Cross build for macOS with zig, which compiles and links Mach-O images
# without Apple's SDK; nothing built here runs on this machine
# (scripts/macos-check.sh inspects the images):
#   cmake -S . -B build-macos-aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/zig-macos.cmake \
#     -DNOXBIN2XML_ZIG=$(scripts/zig.sh)/zig -DNOXBIN2XML_ZIG_TARGET=aarch64-macos
# Keep zig's cache warm with ZIG_GLOBAL_CACHE_DIR: its first build of the C++
# library for a target takes minutes.
set(NOXBIN2XML_ZIG zig CACHE FILEPATH "The zig program")
set(NOXBIN2XML_ZIG_TARGET x86_64-macos CACHE STRING "zig's target: x86_64-macos or aarch64-macos")
# try_compile projects read this file again and need both.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NOXBIN2XML_ZIG NOXBIN2XML_ZIG_TARGET)

set(CMAKE_SYSTEM_NAME Darwin)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${NOXBIN2XML_ZIG_TARGET}")
# std::to_chars of floats is in Apple's C++ library from macOS 13.3. zig
# ignores -mmacosx-version-min, so the version goes into its target.
set(macos_version 13.3)
set(CMAKE_C_COMPILER "${NOXBIN2XML_ZIG}" cc)
set(CMAKE_CXX_COMPILER "${NOXBIN2XML_ZIG}" c++)
set(CMAKE_C_COMPILER_TARGET ${NOXBIN2XML_ZIG_TARGET}.${macos_version})
set(CMAKE_CXX_COMPILER_TARGET ${NOXBIN2XML_ZIG_TARGET}.${macos_version})
# LLVM's archiver writes Mach-O objects into archives of Apple's format.
find_program(CMAKE_AR llvm-ar REQUIRED)
find_program(CMAKE_RANLIB llvm-ranlib REQUIRED)
# Only installing would use it; CMake asks for it on Apple systems.
find_program(CMAKE_INSTALL_NAME_TOOL NAMES llvm-install-name-tool llvm-install-name-tool-14 REQUIRED)

# zig links the programs (with its own static C++ library). The extension is
# linked by LLVM's Mach-O linker instead, which takes Apple's linker flags
# (-bundle, -exported_symbols_list): zig 0.11's linker ignores -bundle, refuses
# -exported_symbols_list and exports hidden symbols too. The C library is
# zig's stub of Apple's; the C++ library, like Ruby's symbols, is left to the
# loading process (-undefined dynamic_lookup), where Apple's toolchain would
# name /usr/lib/libc++.1.dylib.
find_program(NOXBIN2XML_LD64 NAMES ld64.lld ld64.lld-14 PATHS /usr/lib/llvm-14/bin REQUIRED)
get_filename_component(zig_dir "${NOXBIN2XML_ZIG}" DIRECTORY)
string(REPLACE aarch64 arm64 macho_arch "${CMAKE_SYSTEM_PROCESSOR}")
set(NOXBIN2XML_MODULE_LINK_RULE
    "${NOXBIN2XML_LD64} -arch ${macho_arch} -platform_version macos ${macos_version} ${macos_version} -bundle \
<LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES> ${zig_dir}/lib/libc/darwin/libSystem.13.tbd")
