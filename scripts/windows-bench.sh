#!/usr/bin/env bash
# The Windows DLLs under Wine beside the Linux plug-in, in one run, three
# rounds taking turns: nanoseconds per frame of the fixed scenario's input
# at the defaults and in the heaviest case (the fastest of 20 renders each).
# Needs the builds scripts/test-windows.sh leaves (build-win32, build-win64
# and its Wine prefix) and a Linux build with gravelo-audio-reference.
#   scripts/windows-bench.sh [LINUX_BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build}
export WINEPREFIX="$PWD/build-win32/wineprefix" WINEDEBUG=-all
[ -x "$linux/gravelo-audio-reference" ] || { echo "windows-bench: $linux/gravelo-audio-reference not built" >&2; exit 1; }
for bits in 32 64; do
    [ -f "build-win$bits/wintesthost.exe" ] || { echo "windows-bench: build-win$bits not built" >&2; exit 1; }
done
for round in 1 2 3; do
    "$linux/gravelo-audio-reference" --bench "$linux/Gravelo.so"
    for bits in 32 64; do
        (cd "build-win$bits" && wine wintesthost.exe --bench Gravelo.dll) | tr -d '\r'
    done
done
wineserver -k 2>/dev/null || true
