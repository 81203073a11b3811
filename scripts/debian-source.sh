#!/usr/bin/env bash
# Fetches and unpacks a Debian source package from any Debian suite through an
# apt configuration of the project's own (its own sources list, package lists
# and download folder in the cache), never the system's apt sources, and
# prints the folder it unpacked into.
#   scripts/debian-source.sh PACKAGE[/SUITE or =VERSION]   e.g. ruby2.7/bullseye
#   scripts/debian-source.sh --list REGEX        "PACKAGE VERSION SUITE" of the
#                                                source packages whose name matches
# The unpacked tree is kept in the cache under PACKAGE_VERSION/ and reused.
set -euo pipefail
cache="${XDG_CACHE_HOME:-$HOME/.cache}/noxbin2xml/debian"
suites="bullseye bookworm trixie sid experimental"
mirror="${NOXBIN2XML_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

mkdir -p "$cache/lists/partial" "$cache/archives/partial" "$cache/src"
for suite in $suites; do echo "deb-src $mirror $suite main"; done >"$cache/sources.list"
apt_options=(
  -o Dir::Etc::SourceList="$cache/sources.list" -o Dir::Etc::SourceParts=/nonexistent
  -o Dir::State::Lists="$cache/lists" -o Dir::Cache="$cache" -o Dir::Cache::Archives="$cache/archives"
  -o APT::Get::Only-Source=true -o Debug::NoLocking=true
)

# The package lists are refreshed at most once a day.
stamp="$cache/lists/updated"
if [ -z "$(find "$stamp" -mmin -1440 2>/dev/null)" ]; then
  apt-get "${apt_options[@]}" update >&2
  touch "$stamp"
fi

if [ "${1:-}" = "--list" ]; then
  for suite in $suites; do
    for list in "$cache/lists/"*"_dists_${suite}_main_source_Sources"*; do
      /usr/lib/apt/apt-helper cat-file "$list" |
        awk -v re="^($2)\$" -v suite="$suite" '/^Package:/ { p = $2 } /^Version:/ && p ~ re { print p, $2, suite }'
    done
  done
  exit 0
fi

request="$1"
package="${request%%[/=]*}"
version="$(cd "$cache" && apt-get "${apt_options[@]}" source --print-uris "$request" 2>/dev/null |
  awk -v p="$package" '$1 ~ /\.dsc'"'"'$/ { sub(/^.*\//, "", $1); sub(/\.dsc'"'"'$/, "", $1); sub("^" p "_", "", $1); print $1 }')"
[ -n "$version" ] || { echo "no source package $request" >&2; exit 1; }
version="$(printf %b "${version//%/\\x}")"  # the file name is URL-encoded
target="$cache/src/${package}_$version"
if [ ! -f "$target/.unpacked" ]; then
  work="$(mktemp -d "$cache/src/.fetch.XXXXXX")"
  (cd "$work" && apt-get "${apt_options[@]}" source --download-only "$request" >&2 &&
    dpkg-source --no-check -x ./*.dsc tree >&2)
  rm -rf "$target"
  mv "$work/tree" "$target"
  rm -rf "$work"
  touch "$target/.unpacked"
fi
echo "$target"
