#!/usr/bin/env bash
# Installs what is missing, builds, checks formatting and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh --test

cmake --preset default
cmake --build --preset default -j2

echo "== format check"
git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror

echo "== tests"
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j2

echo "== package"
./package.sh > /dev/null
tests/package/check-deb.sh build/package/tavrin_*.deb
