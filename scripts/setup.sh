#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need.
# Does nothing when they are all present. Pass "art" to also get the tools
# that regenerate the pictures, sounds and music in data/.
set -euo pipefail

packages=(
  g++ cmake make pkg-config libgtest-dev clang libclang-rt-14-dev
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  xvfb xauth xdotool imagemagick
)
if [ "${1:-}" = "art" ]; then
  packages+=(librsvg2-bin sox libsox-fmt-all vorbis-tools fonts-dejavu-core python3)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
