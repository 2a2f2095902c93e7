#!/usr/bin/env bash
# Gravelo.lv2 in Ardour, without its window (scripts/ardour-check.lua tells
# what is checked). Not part of the test command: Ardour is a large install,
# which this script makes when it is missing.
#   scripts/ardour-check.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bundle=$build/lv2-bundles/Gravelo.lv2
[ -f "$bundle/gravelo.so" ] || { echo "ardour-check: $bundle not built" >&2; exit 1; }
if ! command -v ardour7-lua > /dev/null; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ardour
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lv2"
cp -R "$bundle" "$work/lv2/"
# Ardour prints its own start-up notes; the check's lines and any error stay.
LV2_PATH="$work/lv2" GRAVELO_SESSION_DIR="$work/session" timeout 300 \
    ardour7-lua scripts/ardour-check.lua 2>&1 | tee "$work/log" |
    grep -E '^(plug-in|  |track|preset|Output|ardour-check|Error)' || true
grep -q '^ardour-check: ok' "$work/log"
