#!/usr/bin/env bash
# Installs the Debian packages Tavrin builds and runs with, when they are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libical-dev pkgconf
    fonts-liberation2
)
if [ "${1:-}" = "--test" ]; then
    packages+=(xauth xvfb poppler-utils)
fi
# The floors tavrin-bench compares with: iconv and cp come with the system.
if [ "${1:-}" = "--bench" ]; then
    packages+=(sqlite3)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Missing packages and no way to become root: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
