#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers on and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset ci
cmake --build --preset ci -j 2
ctest --preset ci
