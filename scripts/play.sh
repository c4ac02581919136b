#!/usr/bin/env bash
# Builds Pipfall (installing what is missing first) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pipfall die_pictures -j "$(nproc)"
# The game reads its die pictures from its working directory, which is build/.
cd build && exec ./pipfall
