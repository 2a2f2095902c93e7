#!/usr/bin/env bash
# The Windows part of the tests: builds the 32-bit and 64-bit Gravelo.dll,
# Gravelo.clap, the VST 3 bundle's library and the Windows test host with
# mingw-w64, checks the DLLs' imports and exports, runs the test host under
# Wine on a private virtual X server (in a Wine prefix of its own; it loads
# Gravelo.clap and the VST 3 library too), runs its content-scale cases once
# more in a second prefix whose screen has 192 DPI, and compares both DLLs' audio (a
# scenario, the defaults, the heaviest case and the presets' values) with the
# Linux plug-in's renders of the same input: every sample must be identical.
# Exits non-zero on any failure.
#   scripts/test-windows.sh            (SKIP_INSTALL=1 skips apt-get)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
started=$(date +%s)

install_tools() {
    [ "${SKIP_INSTALL:-0}" = 1 ] || bash scripts/install-deps.sh
}

build() { # folder toolchain
    cmake -S . -B "$1" -DCMAKE_TOOLCHAIN_FILE="cmake/$2" -DCMAKE_BUILD_TYPE=Release \
        -DGRAVELO_WERROR="${GRAVELO_WERROR:-OFF}" >/dev/null 2>&1 ||
        { echo "$1: cannot configure the cross build ($2); is mingw-w64 installed?"; return 1; }
    cmake --build "$1" -j2 2>&1 | grep -E 'warning|error|imports' || true
    [ -f "$1/Gravelo.dll" ] && [ -f "$1/Gravelo.clap" ] && [ -f "$1/wintesthost.exe" ] &&
        ls "$1"/vst3-bundles/Gravelo.vst3/Contents/*-win/Gravelo.vst3 >/dev/null
}

# The Linux plug-in and the reference renderer for the audio comparison: those
# of the build named in GRAVELO_LINUX_BUILD (as CTest passes it), or of a
# build of their own.
linux=${GRAVELO_LINUX_BUILD:-build-winlinux}
build_linux_reference() {
    if [ -z "${GRAVELO_LINUX_BUILD:-}" ]; then
        cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVELO_BUILD_TESTS=ON \
            -DGRAVELO_BUILD_BENCH=OFF -DGRAVELO_BUILD_TOOLS=OFF >/dev/null
    fi
    cmake --build "$linux" -j2 --target Gravelo gravelo-audio-reference gravelo_vst3_bundle >/dev/null
}

xvfb_pid=""
stop_display() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop_display EXIT

start_display() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # Room for the editor at 2.5 times the panel's size.
    Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    xvfb_pid=$!
    read -r display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
}

# A prefix of our own: Arial and friends map to Liberation Sans, and no
# window manager manages Wine's windows, so destroying them never stalls.
# make_prefix [dpi]: a DPI other than 96 gets a prefix of its own with the
# screen at that DPI (Wine's LogPixels).
make_prefix() {
    local dpi=${1:-96} name=wineprefix
    [ "$dpi" = 96 ] || name=wineprefix-$dpi
    export WINEPREFIX="$root/build-win32/$name" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/.gravelo-ready" ]; then
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        for face in Arial Tahoma "Microsoft Sans Serif"; do
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "Liberation Sans" /f >/dev/null 2>&1
        done
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        if [ "$dpi" != 96 ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
            wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        fi
        wineserver -w
        touch "$WINEPREFIX/.gravelo-ready"
    fi
}

run_scaled() { # folder dpi
    echo "== $1: the content-scale cases at $2 DPI under Wine"
    (cd "$1" && wine wintesthost.exe --scaled Gravelo.dll "$2") | tr -d '\r' | tee "$1/wintesthost-$2dpi.log"
    grep -q '^[0-9]* passed, 0 failed$' "$1/wintesthost-$2dpi.log"
}

run_host() { # folder wine-command
    echo "== $1: test host under Wine"
    (cd "$1" && "$2" wintesthost.exe Gravelo.dll audio.f32 .) | tr -d '\r' | tee "$1/wintesthost.log"
    grep -q '^[0-9]* passed, 0 failed$' "$1/wintesthost.log"
}

install_tools
build build-win32 mingw-i686.cmake
build build-win64 mingw-x86_64.cmake
build_linux_reference
start_display
make_prefix
status=0
run_host build-win32 wine || status=1
run_host build-win64 wine || status=1
wineserver -w
make_prefix 192
run_scaled build-win32 192 || status=1
run_scaled build-win64 192 || status=1
wineserver -w
make_prefix
for bits in 32 64; do
    echo "== build-win$bits: its renders against the Linux plug-in's, sample for sample"
    "$linux/gravelo-audio-reference" "$linux/Gravelo.so" "build-win$bits/audio.f32" || status=1
done
# The whole VST 3 bundle, all three libraries in one, as it is distributed;
# the Windows test host loads each Windows library from it once more.
bash scripts/vst3-bundle.sh "$linux" build-win32 build-win64 build-vst3 || status=1
for bits in 32 64; do
    arch=$([ $bits = 32 ] && echo x86-win || echo x86_64-win)
    echo "== the assembled bundle's $arch library under Wine"
    (cd "build-win$bits" && wine wintesthost.exe --vst3-only \
        "$root/build-vst3/Gravelo.vst3/Contents/$arch/Gravelo.vst3") | tr -d '\r' |
        tee "build-win$bits/wintesthost-bundle.log"
    grep -q '^[0-9]* passed, 0 failed$' "build-win$bits/wintesthost-bundle.log" || status=1
done
echo "Windows tests took $(($(date +%s) - started)) s"
exit $status
