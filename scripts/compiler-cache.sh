# Sourced by the build and test commands: compiled objects are kept by ccache
# in the cache outside the clone, so a fresh clone on a warm machine compiles
# only what changed. Paths are taken relative to the clone, so any folder
# hits the same entries. CMake builds go through the launcher variables,
# mkmf's makefiles (which call g++ by name) through ccache's own g++ on PATH.
if command -v ccache >/dev/null; then
  export CCACHE_DIR="${XDG_CACHE_HOME:-$HOME/.cache}/noxbin2xml/ccache"
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE=10G
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export PATH="/usr/lib/ccache:$PATH"
fi
