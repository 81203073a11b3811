#!/usr/bin/env bash
# Builds the Rubies the extension is tested with from Debian's source
# packages (patched as dpkg-source unpacks them, built with Ruby's own
# configure) into the cache, and prints "VERSION PREFIX" for each, oldest
# first. A Ruby already in the cache costs nothing.
#   scripts/rubies.sh            every Ruby below, and any newer rubyX.Y a
#                                Debian suite carries whose source the mirror has
#   scripts/rubies.sh SOURCE...  only those source packages, e.g. ruby3.3/trixie
# Sourced (`. scripts/rubies.sh`) it only defines its functions, for scripts
# that build other Rubies into the same cache.
set -euo pipefail

# Pinned where the mirror serves only an older version than the lists name
# (it answers 404 for ruby3.4 3.4.11-1~exp1).
ruby_sources=(ruby2.7/bullseye ruby3.3/trixie ruby3.4=3.4.5-1~exp1)
newest_pinned=3.4

# Minimal builds: the extensions the test suite, minitest and `make install`
# load. A parent folder must be named for its subfolders to build.
ruby_extensions="digest,digest/*,etc,fcntl,io,io/*,json,json/*,monitor,pathname,pty,stringio,strscan,zlib"

scripts_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
rubies_cache="${XDG_CACHE_HOME:-$HOME/.cache}/noxbin2xml/rubies"

# The cache folder of a Ruby: its version and a hash of the version and of
# its recipe, the text of the commands and options that build it (by
# default build_ruby's, so editing anything else here rebuilds nothing).
#   ruby_cache_dir VERSION [RECIPE_TEXT]
ruby_cache_dir() {
  local version="$1" recipe="${2:-$(declare -f build_ruby) $ruby_extensions}"
  local hash
  hash="$(printf '%s\n%s' "$version" "$recipe" | sha256sum | cut -c1-12)"
  echo "$rubies_cache/$version-$hash"
}

# Runs BUILD_COMMAND ARG... WORK, WORK a scratch folder (its output goes to
# WORK/build.log), then moves what it installed with DESTDIR=WORK/root into
# PREFIX in one rename, so a cut build leaves nothing half-made behind.
#   install_atomically PREFIX BUILD_COMMAND [ARG...]
install_atomically() {
  local prefix="$1"
  shift
  mkdir -p "$(dirname "$prefix")"
  local work
  work="$(mktemp -d "$(dirname "$prefix")/.build.XXXXXX")"
  # shellcheck disable=SC2064  # the folder is known now
  trap "rm -rf '$work'" EXIT
  "$@" "$work" >"$work/build.log" 2>&1 || {
    tail -40 "$work/build.log" >&2
    echo "building $prefix failed" >&2
    return 1
  }
  mv -T "$work/root$prefix" "$prefix" 2>/dev/null || [ -x "$prefix/bin/ruby" ]
  rm -rf "$work"
  trap - EXIT
}

# Configures, builds and installs the unpacked source SOURCE for PREFIX.
build_ruby() {
  local source="$1" prefix="$2" work="$3"
  # Chained: a caller's `||` turns off set -e in here. The release's own
  # configure script is used: Debian's patches to configure.ac only concern
  # other processors and systems, and touching configure keeps make from
  # regenerating it with autoconf.
  cp -a "$source" "$work/src" && cd "$work/src" && touch configure &&
    ./configure --prefix="$prefix" --enable-shared --disable-install-doc \
      --with-baseruby="$(command -v ruby)" --with-ext="$ruby_extensions" &&
    nice make -j2 && make install DESTDIR="$work/root"
}

# Ruby 2's installer writes the default gems' metadata with code that loads
# openssl, which 2.7 cannot build against Debian 12's OpenSSL 3: its `make
# install` stops there. Run again, it leaves that metadata out (the gems'
# libraries are installed all the same).
build_ruby_without_gem_metadata() {
  local work="$3"
  build_ruby "$@" || (cd "$work/src" && make install DESTDIR="$work/root" "INSTRUBY_ARGS=\$(SCRIPT_ARGS) \
--data-mode=\$(INSTALL_DATA_MODE) --prog-mode=\$(INSTALL_PROG_MODE) --installed-list \$(INSTALLED_LIST) \
--mantype=\$(MANTYPE) --exclude=default-gems")
}

# Fetches a source package (PACKAGE/SUITE or PACKAGE=VERSION), builds it unless the cache has it, prints its prefix.
ruby_from_debian() {
  local source version build=build_ruby recipe prefix
  source="$("$scripts_dir/debian-source.sh" "$1")" || return 1
  version="${source##*/}"
  version="${version#*_}"
  recipe="$(declare -f build_ruby) $ruby_extensions"
  if [[ "$version" == 2.* ]]; then
    build=build_ruby_without_gem_metadata
    recipe+=" $(declare -f "$build")"
  fi
  prefix="$(ruby_cache_dir "$version" "$recipe")"
  if [ ! -x "$prefix/bin/ruby" ]; then
    echo "building Ruby $version from Debian's source into $prefix" >&2
    install_atomically "$prefix" "$build" "$source" "$prefix" || return 1
  fi
  echo "$prefix"
}

# rubyX.Y source packages newer than the pinned ones, as PACKAGE/SUITE of
# the last suite (the newest) that carries each.
newer_ruby_sources() {
  "$scripts_dir/debian-source.sh" --list 'ruby[0-9]+\.[0-9]+' |
    awk -v pinned="$newest_pinned" '
      { split(substr($1, 5), v, "."); split(pinned, p, ".") }
      v[1] + 0 > p[1] + 0 || (v[1] + 0 == p[1] + 0 && v[2] + 0 > p[2] + 0) { suite[$1] = $3 }
      END { for (package in suite) print package "/" suite[package] }' | sort
}

main() {
  local wanted=("$@") request prefix
  if ((${#wanted[@]} == 0)); then
    wanted=("${ruby_sources[@]}")
    while read -r request; do wanted+=("$request"); done < <(newer_ruby_sources)
  fi
  for request in "${wanted[@]}"; do
    if prefix="$(ruby_from_debian "$request")"; then
      echo "$("$prefix/bin/ruby" -e 'print RUBY_VERSION') $prefix"
    elif [[ " ${ruby_sources[*]} " == *" $request "* ]]; then
      return 1
    else
      echo "skipped $request: its source could not be fetched or built" >&2
    fi
  done
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  main "$@"
fi
