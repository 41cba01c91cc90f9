#!/usr/bin/env bash
# Installs what is missing, then proves every build the README names: everything with the
# sanitizers and every test, the release build (programs, tests, benchmarks) and its tests,
# the same with clang, and the Debian package, checked, installed and removed again.
set -euo pipefail
cd "$(dirname "$0")/.."

# Paths under this checkout are hashed relative to it, so a clone in any folder reuses
# what ccache holds from another.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

scripts/install-deps.sh

step() { printf '\n=== %s\n' "$*"; }

step "Sanitizers: build and every test"
cmake --preset ci
cmake --build --preset ci -j 2
ctest --preset ci

step "Release: programs, tests and benchmarks"
# Warnings of the optimiser are errors here, though not for users of the preset.
cmake --preset release -DDURNIK_WERROR=ON
cmake --build --preset release -j 2
ctest --preset release

step "clang: build and every test"
cmake --preset clang
cmake --build --preset clang -j 2
ctest --preset clang

step "Debian package"
scripts/package.sh
install=()
[ "$(id -u)" -eq 0 ] && install=(--install)
scripts/check-package.sh "${install[@]}" durnik_*_amd64.deb
