#!/usr/bin/env bash
# Builds the Debian package: a release build for the /usr prefix (without
# the tests), packed by CPack with the library dependencies that
# dpkg-shlibdeps finds. The package ends up in dist/.
#   scripts/package.sh && sudo apt-get install ./dist/shosu-drill_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh dpkg-dev file
build_dir=${PACKAGE_BUILD_DIR:-build-package}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DSHOSU_BUILD_TESTS=OFF
cmake --build "$build_dir" -j "$(nproc)"
rm -f "$build_dir"/shosu-drill_*.deb
(cd "$build_dir" && cpack -G DEB)
mkdir -p dist
mv "$build_dir"/shosu-drill_*.deb dist/
ls dist/shosu-drill_*.deb
