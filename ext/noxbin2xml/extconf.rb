# Builds Noxbin2xml.so the way Ruby users expect (gem install, rake compile).
require "mkmf"

source_dirs = %w[serial animated lights textures materials options scene ruby]
root = __dir__

$INCFLAGS << " -I#{root}"
$CXXFLAGS << " -std=c++17 -ffp-contract=off -fvisibility=hidden -fvisibility-inlines-hidden"
$VPATH.concat(source_dirs.map { |dir| "$(srcdir)/#{dir}" })
$srcs = source_dirs.flat_map { |dir| Dir.glob(File.join(root, dir, "*.cpp")).map { |f| File.basename(f) } }
abort "source file names must be unique across folders" if $srcs.uniq.size != $srcs.size

$DLDFLAGS << " -Wl,--version-script=#{root}/ruby/exports.map"

have_library("uuid", "uuid_generate") or abort "libuuid is missing (Debian: uuid-dev)"
create_makefile("Noxbin2xml")
