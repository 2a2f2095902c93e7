#!/usr/bin/env bash
# Makes the releases into dist/: the Debian package, the Linux archive, the
# Windows installer and the Windows archive, and SHA256SUMS over them.
#   scripts/package.sh            (SKIP_INSTALL=1 skips apt-get)
# It builds the Linux release in build-release/ and the Windows builds in
# build-win32/ and build-win64/ (the folders the Windows tests use), each
# only as far as it is out of date. Everything is dated by the last commit
# (SOURCE_DATE_EPOCH) and no folder of this machine reaches a binary, so the
# same commit gives the same .deb and .tar.gz wherever it is checked out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
started=$(date +%s)
[ "${SKIP_INSTALL:-0}" = 1 ] || bash scripts/install-deps.sh
version=$(head -n1 VERSION)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export LC_ALL=C TZ=UTC

# Debian's hardening, as its own packages are built.
hardening="-D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection -fcf-protection"
linking="-Wl,-z,relro -Wl,-z,now"
echo "package: Linux release build (build-release)"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVELO_BUILD_TESTS=OFF \
    -DGRAVELO_BUILD_BENCH=OFF -DGRAVELO_BUILD_TOOLS=ON \
    -DCMAKE_C_FLAGS="$hardening" -DCMAKE_CXX_FLAGS="$hardening" \
    -DCMAKE_EXE_LINKER_FLAGS="$linking" -DCMAKE_SHARED_LINKER_FLAGS="$linking" \
    -DCMAKE_MODULE_LINKER_FLAGS="$linking" >/dev/null
cmake --build build-release -j2 >/dev/null

for bits in 32 64; do
    toolchain=mingw-i686.cmake
    [ "$bits" = 64 ] && toolchain=mingw-x86_64.cmake
    echo "package: Windows $bits-bit build (build-win$bits)"
    cmake -S . -B "build-win$bits" -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "build-win$bits" -j2 >/dev/null
done

# Only this version's files in dist/, each written whole or not at all.
rm -rf dist
mkdir -p dist
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
bash packaging/linux/stage.sh build-release "$stage/root"
bash packaging/debian/make-deb.sh "$stage/root" dist >/dev/null
bash packaging/linux/make-archive.sh "$stage/root" dist >/dev/null
bash packaging/windows/make-windows.sh build-release build-win32 build-win64 dist >/dev/null
(cd dist && sha256sum -- * >.SHA256SUMS.partial && mv .SHA256SUMS.partial SHA256SUMS)

# The newest glibc symbol version any Linux binary asks for.
glibc=$(find "$stage/root/usr" -type f \( -name '*.so' -o -name '*.clap' -o -path '*/bin/*' \) \
    -exec objdump -T {} + 2>/dev/null | grep -o 'GLIBC_[0-9.]*' | sort -uV | tail -n1)
echo "package: Gravelo $version in dist/ ($(($(date +%s) - started)) s; needs ${glibc/_/ } or newer)"
(cd dist && ls -l --time-style=+ -- * | awk '{ printf "  %10d  %s\n", $5, $NF }')
