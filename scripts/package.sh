#!/usr/bin/env bash
# Builds the Debian package durnik_<version>_amd64.deb into the top folder, from a build
# folder made anew, with Debian's own compiler and linker flags. Its dependencies are read
# from the programs (dpkg-shlibdeps). scripts/check-package.sh checks what comes out.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=build/package
rm -rf "$build"
rm -f durnik_*.deb

# The hardening flags a Debian build uses. The build path is kept out of the flags
# (reproducible=-fix...), so a checkout in another folder still finds its objects in ccache.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all reproducible=-fixfilepath,-fixdebugpath"
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS

cmake --preset package
cmake --build --preset package -j 2
(cd "$build" && cpack -G DEB)
mv "$build"/durnik_*_*.deb .
ls durnik_*.deb
