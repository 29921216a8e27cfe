#!/usr/bin/env bash
# Builds the Debian package: a release build for the /usr prefix (without
# the tests) with Debian's hardening flags, packed by CPack with the library
# dependencies that dpkg-shlibdeps finds. The package ends up in dist/.
#   scripts/package.sh && sudo apt-get install ./dist/shosu-drill_*.deb
# The maintainer is the builder named by DEBEMAIL (and DEBFULLNAME) when set,
# otherwise the project's own entry.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh dpkg-dev file fakeroot
build_dir=${PACKAGE_BUILD_DIR:-build-package}

# Fortified functions, stack protection, full RELRO with immediate binding, PIE.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

maintainer=(-USHOSU_MAINTAINER)
if [[ -n ${DEBEMAIL:-} ]]; then
  if [[ $DEBEMAIL == *"<"* ]]; then
    maintainer=(-DSHOSU_MAINTAINER="$DEBEMAIL")
  else
    maintainer=(-DSHOSU_MAINTAINER="${DEBFULLNAME:-shosu-drill builder} <$DEBEMAIL>")
  fi
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DSHOSU_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "${maintainer[@]}"
cmake --build "$build_dir" -j "$(nproc)"
rm -f "$build_dir"/shosu-drill_*.deb
(cd "$build_dir" && fakeroot cpack -G DEB)
mkdir -p dist
mv "$build_dir"/shosu-drill_*.deb dist/
ls dist/shosu-drill_*.deb
