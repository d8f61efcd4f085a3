#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Remitto.
set -euo pipefail

packages=(g++ cmake make qt6-base-dev libgtest-dev qt6-translations-l10n
          fonts-liberation2 fonts-dejavu-core poppler-utils
          dpkg-dev file desktop-file-utils appstream lintian man-db
          clang libclang-rt-dev libarchive-dev zlib1g-dev pkg-config nettle-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
