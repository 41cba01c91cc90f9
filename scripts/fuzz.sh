#!/usr/bin/env bash
# Builds the BMP reader fuzzer with clang and runs it for the given number of seconds.
#   scripts/fuzz.sh [seconds, default 60]
# The build goes to $DURNIK_FUZZ_BUILD (default build-fuzz). New inputs collect in
# fuzz/corpus-run (not committed); fuzz/corpus holds the committed seeds. A crashing
# input is written into the build directory and the script fails.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DURNIK_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DDURNIK_WITH_QT=OFF -DDURNIK_TESTS=OFF -DDURNIK_FUZZERS=ON
cmake --build "$build" --target BmpReadFuzzer

mkdir -p "$root/fuzz/corpus-run"
"$build/fuzz/BmpReadFuzzer" "$root/fuzz/corpus-run" "$root/fuzz/corpus" \
    -max_total_time="$seconds" -artifact_prefix="$build/fuzz/" -print_final_stats=1
