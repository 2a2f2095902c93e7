#!/usr/bin/env bash
# Assembles the whole Gravelo.vst3 for distribution: the Linux build's bundle
# (its library and moduleinfo.json) with the 32- and 64-bit Windows
# libraries of the mingw cross builds beside it, as hosts on either system
# expect to find them.
#   scripts/vst3-bundle.sh LINUX_BUILD WIN32_BUILD WIN64_BUILD OUT_DIR
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 LINUX_BUILD WIN32_BUILD WIN64_BUILD OUT_DIR"; exit 2; }
linux=$1/vst3-bundles/Gravelo.vst3
parts=("$linux/Contents/x86_64-linux/Gravelo.so" "$linux/Contents/Resources/moduleinfo.json"
       "$2/vst3-bundles/Gravelo.vst3/Contents/x86-win/Gravelo.vst3"
       "$3/vst3-bundles/Gravelo.vst3/Contents/x86_64-win/Gravelo.vst3")
for part in "${parts[@]}"; do
    [ -f "$part" ] || { echo "vst3-bundle: $part is missing; build it first"; exit 1; }
done
bundle=$4/Gravelo.vst3
staging=$4/.Gravelo.vst3.partial
rm -rf "$staging"
mkdir -p "$staging/Contents/x86_64-linux" "$staging/Contents/Resources" \
    "$staging/Contents/x86-win" "$staging/Contents/x86_64-win"
cp "${parts[0]}" "$staging/Contents/x86_64-linux/"
cp "${parts[1]}" "$staging/Contents/Resources/"
cp "${parts[2]}" "$staging/Contents/x86-win/"
cp "${parts[3]}" "$staging/Contents/x86_64-win/"
# Whole or not at all: the finished bundle replaces an older one in one step.
rm -rf "$bundle"
mv "$staging" "$bundle"
echo "vst3-bundle: $bundle (x86_64-linux, x86-win, x86_64-win)"
