#!/usr/bin/env bash
# Installs what Durnik needs to build, test, package and run on Debian. Safe to run again:
# packages already present are skipped, and apt is not touched when nothing is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev libspng-dev zlib1g-dev libdeflate-dev libisal-dev
    clang-14 libclang-rt-14-dev libstb-dev
    xvfb xauth x11-utils xdotool imagemagick python3-pil time
    fonts-liberation fonts-dejavu-core
    dpkg-dev lintian appstream man-db
    tiled libtinyxml2-dev nlohmann-json3-dev
)
if [ "${1:-}" = "--list" ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
