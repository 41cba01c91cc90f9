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

# Every test runs here: one that skipped itself (a tool missing, a privilege it lacks) would
# pass unseen, so a skip fails the run as a failure does.
run_tests() {
    local log="build/$1/ctest.log"
    ctest --preset "$1" | tee "$log"
    if grep -q '(Skipped)' "$log"; then
        echo "Tests of the $1 build were skipped (listed above); every test must run." >&2
        return 1
    fi
}

step "Sanitizers: build and every test"
cmake --preset ci
cmake --build --preset ci -j 2
run_tests ci

step "Release: programs, tests and benchmarks"
# Warnings of the optimiser are errors here, though not for users of the preset.
cmake --preset release -DDURNIK_WERROR=ON
cmake --build --preset release -j 2
run_tests release

step "clang: build and every test"
cmake --preset clang
cmake --build --preset clang -j 2
run_tests clang

step "Debian package"
scripts/package.sh
install=()
[ "$(id -u)" -eq 0 ] && install=(--install)
scripts/check-package.sh "${install[@]}" durnik_*_amd64.deb
