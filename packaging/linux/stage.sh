#!/usr/bin/env bash
# Installs a Linux build into a staging root as the packages lay it out
# under /usr, ready to be packed: binaries stripped of their debugging
# sections, manual pages compressed, modes and times made uniform.
#   packaging/linux/stage.sh BUILD_DIR STAGE_DIR
# SOURCE_DATE_EPOCH (default: the last commit's time) dates every file.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR STAGE_DIR"; exit 2; }
build=$1 stage=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${SOURCE_DATE_EPOCH:=$(git -C "$root" log -1 --format=%ct)}"

rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr
for needed in lib/vst/Gravelo.so lib/clap/Gravelo.clap lib/lv2/Gravelo.lv2/manifest.ttl \
    lib/vst3/Gravelo.vst3/Contents/x86_64-linux/Gravelo.so bin/gravelo-amp bin/gravelo-render \
    bin/gravelo-panel bin/gravelo-info share/man/man1/gravelo-amp.1 \
    share/applications/gravelo-amp.desktop; do
    [ -e "$usr/$needed" ] || { echo "stage: $needed was not installed by $build"; exit 1; }
done

# As Debian's packaging strips: debugging sections and the compiler's notes
# go, the build id stays.
find "$usr" -type f \( -name '*.so' -o -name '*.clap' \) -exec \
    strip --remove-section=.comment --remove-section=.note --strip-unneeded {} +
find "$usr/bin" -type f -exec strip --remove-section=.comment --remove-section=.note {} +
gzip -9n "$usr"/share/man/man1/*.1

find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f -exec chmod 644 {} +
chmod 755 "$usr"/bin/*
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
