#!/usr/bin/env bash
# Installs the Debian packages TESSEL needs to build, run and test; does nothing when all
# of them are present already.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libxml2-dev qt6-base-dev libgl-dev qt6-image-formats-plugins libqt6svg6 fonts-noto-cjk
    libexiv2-dev libpoppler-qt6-dev fonts-dejavu-core
    qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libtiff-dev
    dpkg-dev file desktop-file-utils appstream
    clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
