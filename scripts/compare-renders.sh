#!/usr/bin/env bash
# Whether two builds render the same bytes: the demo input through the four
# presets, the defaults and the heaviest case, in single and double
# precision, through each build's own VST 2.x plug-in and renderer, and the
# panel picture of each preset. Prints one line per render; exits non-zero
# when any pair differs.
#   scripts/compare-renders.sh OLD_BUILD NEW_BUILD
set -euo pipefail
old=$1 new=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$new/tools/gravelo-make-demo" "$work/input.wav" >/dev/null

worst=(--set Quorvel=24 --set Output=0 --set Presence=3 --set Dirt=7 --set Bass=4
       --set Middle=3 --set Treble=5 --set Depth=2 --set LFcut=6)
cd "$(dirname "$0")/.."
differing=0
# The samples only: a float WAV's header carries the time it was written.
same_samples() {
    python3 - "$1" "$2" <<'PY'
import sys
def samples(path):
    data, at = open(path, 'rb').read(), 12
    while at + 8 <= len(data):
        size = int.from_bytes(data[at + 4:at + 8], 'little')
        if data[at:at + 4] == b'data': return data[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)
    sys.exit(f'{path}: no samples')
sys.exit(0 if samples(sys.argv[1]) == samples(sys.argv[2]) else 1)
PY
}
compare() { # name, then the renderer's options
    local name=$1; shift
    for precision in float double; do
        local extra=(--bits 32)
        [ "$precision" = double ] && extra=(--double --bits 64)
        for side in old new; do
            local build=${!side}
            "$build/tools/gravelo-render" --quiet --plugin "$build/Gravelo.so" "$@" "${extra[@]}" \
                "$work/input.wav" "$work/$side.wav"
        done
        if same_samples "$work/old.wav" "$work/new.wav"; then
            echo "same   $name $precision"
        else
            echo "DIFFER $name $precision"
            differing=$((differing + 1))
        fi
    done
}
compare defaults
compare worst "${worst[@]}"
for preset in presets/*.fxp; do
    compare "$(basename "$preset" .fxp)" --load-preset "$preset"
    for side in old new; do
        build=${!side}
        "$build/tools/gravelo-panel" --preset "$preset" "$work/$side.png" >/dev/null
    done
    if cmp -s "$work/old.png" "$work/new.png"; then
        echo "same   $(basename "$preset" .fxp) panel"
    else
        echo "DIFFER $(basename "$preset" .fxp) panel"
        differing=$((differing + 1))
    fi
done
exit $((differing > 0))
