#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ruby -Ibuild/ruby -e 'require "Noxbin2xml"; puts "Noxbin2xml loaded; module functions:"; puts Noxbin2xml.singleton_methods.sort.map { |m| "  #{m}" }'
