#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# and any further packages named as arguments (scripts/package.sh names
# those it needs). Idempotent: when everything is present it only checks.
set -euo pipefail

packages=(
  cmake g++ ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev libcups2-dev
  fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core fontconfig
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick
  desktop-file-utils appstream
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
