#!/usr/bin/env bash
# Installs, builds, and shows what a host sees of the plug-in.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DGRAVELO_BUILD_TESTS=OFF
./build/tools/gravelo-info build/Gravelo.so
