#!/usr/bin/env bash
# Makes the named amplifier presets in presets/ with the renderer itself:
# each is a set of control values saved as a standard .fxp preset.
#   scripts/make-presets.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
render="${1:-build}/tools/gravelo-render"
[ -x "$render" ] || { echo "make-presets: $render not found; build first" >&2; exit 1; }
mkdir -p presets

preset() {
    local name=$1; shift
    local args=()
    for setting in "$@"; do args+=(--set "$setting"); done
    "$render" "${args[@]}" --preset-name "$name" --save-preset "presets/$name.fxp"
    echo "presets/$name.fxp"
}

# A clean, round DI-plus-amp tone.
preset clean   Quorvel=6  Output=-1 Presence=3 Dirt=0   Bass=1.5 Middle=0    Treble=1   Depth=8 LFcut=2
# Pushed input and some drive: a growl that still keeps the lows.
preset growl   Quorvel=18 Output=-9 Presence=5 Dirt=3.5 Bass=3   Middle=2    Treble=0.5 Depth=6 LFcut=3
# Heavy drive with a mid push.
preset dirt    Quorvel=28 Output=-15 Presence=6 Dirt=8   Bass=2   Middle=3.5  Treble=2   Depth=5 LFcut=4
# Deep lows and bright top with the middle cut away.
preset scooped Quorvel=12 Output=-5 Presence=7 Dirt=1   Bass=4.5 Middle=-5   Treble=4   Depth=7 LFcut=1
