# Builds the extension Noxbin2xml the way Ruby users expect (gem install,
# rake compile) into lib/noxbin2xml/: Noxbin2xml.so (.bundle on macOS) sits
# in a folder of its own because lib/noxbin2xml.rb, a name equal to it but
# for letter case, would stand for it on file systems that ignore case.
#   ruby extconf.rb [--enable-debug]   unoptimised, with debug information (about 60 MB)
require "mkmf"

source_dirs = %w[platform serial animated lights textures materials options scene ruby]
root = __dir__

$INCFLAGS << " -I#{root}"
$VPATH.concat(source_dirs.map { |dir| "$(srcdir)/#{dir}" })
# The command-line tool's platform code (arguments, stop signals, terminals,
# file identity) has no place in the extension.
tool_only = %w[CommandLine.cpp Signals.cpp Terminal.cpp FileIdentity.cpp]
$srcs = source_dirs.flat_map { |dir| Dir.glob(File.join(root, dir, "*.cpp")).map { |f| File.basename(f) } }
$srcs -= tool_only
abort "source file names must be unique across folders" if $srcs.uniq.size != $srcs.size

# Floats are compared digit for digit, so no compiler may fuse a product and
# a sum into one multiply-add (see CMakeLists.txt for what each one needs).
# The optimisation level is set here, after the Ruby's own flags, since many
# Rubies (built from source, or by version managers) carry none at all.
debug = enable_config("debug", false)
if $mswin
  $CXXFLAGS << " /std:c++17 /fp:precise /utf-8 /EHsc"
  $CXXFLAGS << (debug ? " /Od /Z7" : " /O2")
else
  $CXXFLAGS << " -std=c++17 -ffp-contract=off -fvisibility=hidden -fvisibility-inlines-hidden"
  $CXXFLAGS << (debug ? " -O0 -g" : " -O2 -g0")
end

# Only Init_Noxbin2xml is exported. On Windows mkmf writes the DLL's export
# list itself.
init = "Init_Noxbin2xml"
if $mswin || $mingw
  $libs = append_library($libs, "rpcrt4")  # UuidCreate
  # A host's Ruby carries no MinGW runtime DLLs: the GCC runtime links in,
  # and so do the libraries the compiler adds after $LIBS (libstdc++ and
  # the threads library it uses), as in the tool's -static build. Ruby's
  # own import library, a .dll.a, must come before: -static would miss it.
  if $mingw
    $DLDFLAGS << " -static-libgcc"
    $LIBS << " -Wl,-Bstatic"
  end
elsif RUBY_PLATFORM.include?("darwin")
  File.write("exports.txt", "_#{init}\n")
  $DLDFLAGS << " -Wl,-undefined,dynamic_lookup -Wl,-exported_symbols_list,exports.txt"
else
  $DLDFLAGS << " -Wl,--version-script=#{root}/ruby/exports.map"
end

create_makefile("noxbin2xml/Noxbin2xml")
