#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build >/dev/null
if [ ! -f game/CMakeLists.txt ]; then
  echo "brindle: the game program is not built yet; the libraries are."
  cmake --build build -j "$(nproc)"
  exit 0
fi
cmake --build build -j "$(nproc)" --target brindle
exec ./build/brindle
