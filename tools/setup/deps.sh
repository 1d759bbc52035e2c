#!/usr/bin/env bash
# Installs what building, testing and running need, only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config ccache python3 clang-format-14
  libgtest-dev libbenchmark-dev
  libsdl1.2-dev libsdl-mixer1.2-dev libstb-dev fonts-dejavu-core
  libegl-dev libgles-dev libegl-mesa0 libgl1-mesa-dri
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
