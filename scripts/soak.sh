#!/usr/bin/env bash
# The soak run, apart from the test command:
#   scripts/soak.sh [SECONDS]   (default 3600)
# 1. gravelo-soak for SECONDS from the normal build (build-soak/): audio at
#    eight times real time with random automation, chunk loads and the
#    editor open under a private Xvfb receiving mouse drags; outputs finite
#    and bounded, resident memory no larger at the end than after warm-up.
# 2. The same program for a tenth of that (30 s to 5 min) from an address
#    sanitizer build (build-soak-asan/) with the leak checker on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3600}
leak_seconds=$(( seconds / 10 ))
(( leak_seconds < 30 )) && leak_seconds=30
(( leak_seconds > 300 )) && leak_seconds=300

build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVELO_BUILD_BENCH=OFF "$@" >/dev/null
    cmake --build "$dir" -j2 --target gravelo-soak Gravelo >/dev/null
}

build build-soak
build build-soak-asan -DGRAVELO_SANITIZE=address

echo "== soak, ${seconds} s"
build-soak/tests/torture/gravelo-soak "$seconds"

echo "== leak check, ${leak_seconds} s under the address sanitizer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build-soak-asan/tests/torture/gravelo-soak "$leak_seconds" --no-rss-check
