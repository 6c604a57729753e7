#!/usr/bin/env bash
# Installs what is missing, builds, and starts Skellith.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target skellith
exec ./build/skellith "$@"
