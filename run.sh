#!/usr/bin/env bash
# Installs what is missing, builds and starts Tavrin.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh

cmake --preset default >/dev/null
cmake --build --preset default -j2 --target tavrin
exec ./build/src/app/tavrin "$@"
