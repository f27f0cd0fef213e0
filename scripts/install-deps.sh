#!/usr/bin/env bash
# Installs the Debian packages Korvel View needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libegl-dev libopengl-dev libegl-mesa0 libgl1-mesa-dri
  libstb-dev libsquish-dev zlib1g-dev
  googletest libgtest-dev libbenchmark-dev
  fonts-ipafont-gothic xvfb xauth
  dpkg-dev file chromium  # the package's library dependencies; the help page in a browser
  clang libclang-rt-14-dev  # the fuzz targets
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
