#!/usr/bin/env bash
# The main job: installs what is needed, builds, installs the plug-in where
# Linux hosts look for VST, CLAP, LV2 and VST 3 plug-ins and the practice amp
# into ~/.local/bin, makes a DI bass demo,
# renders it through each preset, and draws the panel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DGRAVELO_BUILD_TESTS=OFF -DGRAVELO_BUILD_BENCH=OFF

mkdir -p "$HOME/.vst" "$HOME/.clap"
cp build/Gravelo.so "$HOME/.vst/Gravelo.so"
cp build/Gravelo.clap "$HOME/.clap/Gravelo.clap"
# The bundle is replaced whole, so no file of an older one stays behind.
mkdir -p "$HOME/.lv2"
rm -rf "$HOME/.lv2/Gravelo.lv2"
cp -R build/lv2-bundles/Gravelo.lv2 "$HOME/.lv2/Gravelo.lv2"
mkdir -p "$HOME/.vst3"
rm -rf "$HOME/.vst3/Gravelo.vst3"
cp -R build/vst3-bundles/Gravelo.vst3 "$HOME/.vst3/Gravelo.vst3"
vst3_presets="$HOME/.vst3/presets/Morvane/Gravelo I"
mkdir -p "$vst3_presets"
cp build/vst3-presets/*.vstpreset "$vst3_presets/"
# The practice amp, where a user's own programs are found.
mkdir -p "$HOME/.local/bin"
cp build/gravelo-amp "$HOME/.local/bin/gravelo-amp"

mkdir -p demo
build/tools/gravelo-make-demo demo/di-bass.wav
for preset in presets/*.fxp; do
    name=$(basename "$preset" .fxp)
    build/tools/gravelo-render --quiet --load-preset "$preset" demo/di-bass.wav "demo/out-$name.wav"
done
build/tools/gravelo-panel --preset presets/growl.fxp demo/panel.png >/dev/null

echo
build/tools/info/gravelo-info build/Gravelo.so
echo
echo "Plug-in installed:  $HOME/.vst/Gravelo.so"
echo "CLAP installed:     $HOME/.clap/Gravelo.clap"
echo "LV2 installed:      $HOME/.lv2/Gravelo.lv2 (urn:morvane:gravelo)"
echo "VST 3 installed:    $HOME/.vst3/Gravelo.vst3, presets in $vst3_presets"
echo "Practice amp:       $HOME/.local/bin/gravelo-amp (JACK; gravelo-amp --help)"
echo "DI demo:            demo/di-bass.wav"
for preset in presets/*.fxp; do
    name=$(basename "$preset" .fxp)
    printf 'Rendered (%-7s)  demo/out-%s.wav\n' "$name" "$name"
done
echo "Panel picture:      demo/panel.png"
