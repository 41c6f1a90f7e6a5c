#!/usr/bin/env bash
# Builds the release package korvand-handbook_<version>_<arch>.deb into the project folder, for
# `apt-get install ./korvand-handbook_*.deb`. The release build lives in build-release/ (or
# $KORVAND_PACKAGE_BUILD). Prints the package's path on standard output, the build's own output on
# standard error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh >&2

build="${KORVAND_PACKAGE_BUILD:-build-release}"
# Debian's hardening: fortified functions, stack protector, read-only relocations, immediate
# binding, position-independent executable.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

# Only what the package holds is built: the program, the database maker for the shipped handbook,
# the icons and texts; tests and benchmarks are not.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKORVAND_PACKAGE=ON \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" > /dev/null
cmake --build "$build" --target Korvand korvand_package_files -j "${KORVAND_BUILD_JOBS:-2}" >&2
rm -f "$build"/korvand-handbook_*.deb
(cd "$build" && cpack -G DEB >&2)
deb="$(cd "$build" && ls korvand-handbook_*.deb)"
cp "$build/$deb" .
echo "$PWD/$deb"
