#!/usr/bin/env bash
# Installs the Debian packages this project needs and that are not installed yet.
set -euo pipefail

packages=(
  build-essential dpkg-dev cmake pkg-config ccache zlib1g-dev
  ruby ruby-dev rake rake-compiler ruby-minitest
  googletest libgtest-dev libgmock-dev libbenchmark-dev libxml2-dev
  nlohmann-json3-dev libcli11-dev
  valgrind clang libclang-rt-14-dev libc++-dev libc++abi-dev llvm lld file
  wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32 lld-14
  g++-mingw-w64-x86-64-posix wine64
  chromium fonts-dejavu-core ruby-nokogiri
)
# npm fetches zig and the web page's packages; a Node.js from elsewhere carries its own npm, which
# Debian's package would conflict with.
command -v npm >/dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
