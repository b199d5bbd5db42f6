#!/usr/bin/env bash
# Builds the Debian package build/package/tavrin_<version>_<arch>.deb.
# Install it with: sudo apt install ./build/package/tavrin_*.deb
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
[ -f build/CMakeCache.txt ] || cmake --preset default
cmake --build --preset default -j2
rm -f build/package/tavrin_*.deb
(cd build && cpack -G DEB -B package > /dev/null)
ls build/package/tavrin_*.deb
