#!/usr/bin/env bash
# Configures and builds one flavour: build.sh <dir> [extra cmake args...]
set -euo pipefail
dir=$1; shift
# GRAVELO_WERROR=ON in the environment turns warnings into errors.
cmake -S "$(dirname "$0")/.." -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGRAVELO_WERROR="${GRAVELO_WERROR:-OFF}" "$@" >/dev/null
cmake --build "$dir" -j2
