# Cross build for 64-bit Windows with zig (x86_64-windows-gnu: MinGW-w64's C
# library, LLVM's libc++, each program one standalone .exe), run under wine;
# a second Windows toolchain beside cmake/mingw-w64-x86_64.cmake:
#   cmake -S . -B build-zig-windows -DCMAKE_TOOLCHAIN_FILE=cmake/zig-windows.cmake \
#     -DNOXBIN2XML_ZIG=$(scripts/zig.sh)/zig
set(NOXBIN2XML_ZIG zig CACHE FILEPATH "The zig program")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NOXBIN2XML_ZIG)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER "${NOXBIN2XML_ZIG}" cc)
set(CMAKE_CXX_COMPILER "${NOXBIN2XML_ZIG}" c++)
set(CMAKE_C_COMPILER_TARGET x86_64-windows-gnu)
set(CMAKE_CXX_COMPILER_TARGET x86_64-windows-gnu)
find_program(CMAKE_AR llvm-ar REQUIRED)
find_program(CMAKE_RANLIB llvm-ranlib REQUIRED)

include(${CMAKE_CURRENT_LIST_DIR}/wine-emulator.cmake)
