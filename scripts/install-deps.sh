#!/usr/bin/env bash
# Installs every Debian package the build, the tools and the tests need,
# the Windows cross builds and Wine (32-bit too) included.
set -euo pipefail
packages=(
    build-essential cmake pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libcairo2-dev libx11-dev libxtst-dev libfontconfig-dev
    libsndfile1-dev
    fonts-liberation2 fonts-liberation
    xvfb x11-utils valgrind
    lsp-plugins-vst qtractor
    lv2-dev liblilv-dev lilv-utils jalv jackd2 libjack-jackd2-dev
    clang clang-14 libclang-rt-14-dev clang-format clang-tidy
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 nsis
    help2man dpkg-dev lintian desktop-file-utils man-db python3
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    # Wine runs the 32-bit DLL with its 32-bit half.
    dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
