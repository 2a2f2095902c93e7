#!/usr/bin/env bash
# lv2bench's figures for Gravelo.lv2 at its defaults and in the worst case
# (Dirt, Bass, Middle and Treble all on, as in bench/dsp), then the VST 2.x
# plug-in and the LV2 DSP binary side by side on the same bass note
# (bench/dsp). lv2bench plays silence into a bundle's control defaults, so
# the worst case runs on a copy of the bundle whose defaults are those
# settings.
#   scripts/lv2-bench.sh [BUILD_DIR]   (default: build, configured with benchmarks)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bundle=$build/lv2-bundles/Gravelo.lv2
[ -f "$bundle/gravelo.so" ] || { echo "lv2-bench: $bundle not built" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/default" "$work/worst"
cp -R "$bundle" "$work/default/"
cp -R "$bundle" "$work/worst/"

set_default() { # symbol value: the first lv2:default after the port's symbol
    sed -i "/lv2:symbol \"$1\"/,/lv2:default/ s/lv2:default [^ ;]*/lv2:default $2/" \
        "$work/worst/Gravelo.lv2/gravelo.ttl"
}
set_default quorvel 12.0
set_default output 0.0
set_default presence 3.0
set_default dirt 6.0
set_default bass 4.0
set_default middle 3.0
set_default treble 5.0
set_default depth 8.0
set_default lfcut 2.0

frames=4800000 # 100 s at 48 kHz, in blocks of 256
for settings in default worst; do
    seconds=$(LV2_PATH="$work/$settings:/usr/lib/lv2" lv2bench -b 256 -n $frames urn:morvane:gravelo |
        awk '{ print $1 }')
    awk -v s="$seconds" -v n=$frames -v c="$settings" \
        'BEGIN { printf "lv2bench %-8s %.3f s for %d frames: %.1f ns per frame\n", c, s, n, s * 1e9 / n }'
done
if [ -x "$build/bench/dsp/dsp_bench" ]; then
    "$build/bench/dsp/dsp_bench" --benchmark_filter='^(PluginFloat|Lv2Plugin)(Default|WorstCase)$'
fi
