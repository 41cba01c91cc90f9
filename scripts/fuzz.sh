#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for the given number of seconds, one after the
# other.
#   scripts/fuzz.sh [seconds, default 60] [fuzzer...]
# Fuzzers: BmpReadFuzzer (whole BMP files), BmpSampledReadFuzzer (BMP files sampled
# as durnik-batch reads them), PngReadFuzzer and PngDifferentialFuzzer (the PNG reader held
# against libspng), all fed from memory; all four by default.
# The build goes to $DURNIK_FUZZ_BUILD (default build-fuzz). New inputs collect in
# fuzz/corpus-run/<fuzzer> (not committed); the seeds are the committed fuzz/corpus (BMP files
# from the tests) and tests/png/data (PNG files). A crashing input is written into the build
# directory and the script fails.
set -euo pipefail

seconds="${1:-60}"
shift || true
fuzzers=("$@")
[ ${#fuzzers[@]} -eq 0 ] && fuzzers=(BmpReadFuzzer BmpSampledReadFuzzer PngReadFuzzer PngDifferentialFuzzer)
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${DURNIK_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DDURNIK_WITH_QT=OFF -DDURNIK_TESTS=OFF -DDURNIK_FUZZERS=ON
cmake --build "$build" --target "${fuzzers[@]}"

for fuzzer in "${fuzzers[@]}"; do
    seeds="$root/fuzz/corpus"
    case "$fuzzer" in Png*) seeds="$root/tests/png/data" ;; esac
    mkdir -p "$root/fuzz/corpus-run/$fuzzer"
    "$build/fuzz/$fuzzer" "$root/fuzz/corpus-run/$fuzzer" "$seeds" \
        -max_total_time="$seconds" -artifact_prefix="$build/fuzz/$fuzzer-" -print_final_stats=1
done
