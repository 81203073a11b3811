# Included by the Windows toolchain files: ctest runs the programs under
# wine, headless and with a wine prefix of the build's own (wine creates it
# on first use). LC_ALL=C.UTF-8 makes wine read and write Linux file names
# and arguments as UTF-8.
find_program(WINE_EXECUTABLE NAMES wine64 wine PATHS /usr/lib/wine)
if(WINE_EXECUTABLE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
          LC_ALL=C.UTF-8 DISPLAY= ${WINE_EXECUTABLE})
endif()
