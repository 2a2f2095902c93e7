#!/usr/bin/env bash
# Gravelo.lv2 and Gravelo.vst3 in Ardour, without its window
# (scripts/ardour-check.lua tells what is checked); Ardour's VST 3 scanner
# first reads the bundle. Ardour runs with a home of its own, where it finds
# the VST 3 bundle and presets and keeps its configuration and scan cache.
# Not part of the test command: Ardour is a large install, which this script
# makes when it is missing.
#   scripts/ardour-check.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bundle=$build/lv2-bundles/Gravelo.lv2
vst3=$build/vst3-bundles/Gravelo.vst3
[ -f "$bundle/gravelo.so" ] || { echo "ardour-check: $bundle not built" >&2; exit 1; }
[ -d "$vst3/Contents" ] || { echo "ardour-check: $vst3 not built" >&2; exit 1; }
if ! command -v ardour7-lua > /dev/null; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ardour
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lv2" "$work/home/.vst3/presets/Morvane/Gravelo I"
cp -R "$bundle" "$work/lv2/"
cp -R "$vst3" "$work/home/.vst3/"
cp "$build"/vst3-presets/*.vstpreset "$work/home/.vst3/presets/Morvane/Gravelo I/"

run() { # type id
    echo "== $1"
    # Ardour prints its own start-up notes; the check's lines and any error stay.
    rm -rf "$work/session"
    HOME="$work/home" LV2_PATH="$work/lv2" GRAVELO_SESSION_DIR="$work/session" \
        GRAVELO_PLUGIN_TYPE="$1" GRAVELO_PLUGIN_ID="$2" timeout 300 \
        ardour7-lua scripts/ardour-check.lua 2>&1 | tee "$work/log" |
        grep -E '^(plug-in|  |track|preset|Output|ardour-check|Error)' || true
    grep -q '^ardour-check: ok' "$work/log"
}
run LV2 urn:morvane:gravelo
# Ardour lists a VST 3 plug-in once its scanner has read a bundle that
# Ardour itself has met (the first run notes it as not scanned yet).
HOME="$work/home" LD_LIBRARY_PATH=/usr/lib/ardour7 /usr/lib/ardour7/ardour-vst3-scanner -f \
    "$work/home/.vst3/Gravelo.vst3" 2>&1 | tee "$work/scan" | grep -E 'Found Plugin|Error' || true
grep -q 'Found Plugin: Gravelo I' "$work/scan"

run VST3 "Gravelo I"
