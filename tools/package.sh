#!/usr/bin/env bash
# Builds the Debian package build/deb/vorlat-tamsel_<version>-1_<arch>.deb (prefix
# /usr, Debian's hardening flags, stripped binaries) in its own tree build/package,
# then has lintian check it. Install it with: sudo apt install ./build/deb/<file>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
umask 022  # the package's folders and files get the usual modes

# Debian's compiler and linker flags, with every hardening option; CMake reads no
# CPPFLAGS, so fortify goes in with the rest. Given each time, not only at first.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags=(-DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)")
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The install step builds only what it installs, not the tests.
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DDEBIAN_PACKAGE=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${flags[@]}" "${launcher[@]}" >/dev/null
cmake --build build/package -j"$(nproc)" \
  --target Vorlat Tamsel simtrace desktop_files debian_changelog
rm -f build/deb/*.deb
cpack --config build/package/CPackConfig.cmake -B "$PWD/build/deb"

deb=(build/deb/*.deb)
lintian --fail-on error "${deb[0]}"
echo "Built ${deb[0]}"
