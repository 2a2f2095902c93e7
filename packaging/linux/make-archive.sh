#!/usr/bin/env bash
# Packs a staged root (packaging/linux/stage.sh) into the per-user archive
# Gravelo-<version>-linux-x86_64.tar.gz: the plug-ins in the folders their
# hosts read, the programs, the menu entry, icons and manual pages, and
# install.sh, which puts them under the user's home and takes them out again.
#   packaging/linux/make-archive.sh STAGE_DIR OUT_DIR
# The archive is sorted, owned by root and dated SOURCE_DATE_EPOCH (default:
# the last commit's time), so the same stage always gives the same bytes.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 STAGE_DIR OUT_DIR"; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
usr=$(cd "$1/usr" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=$(head -n1 "$root/VERSION")
: "${SOURCE_DATE_EPOCH:=$(git -C "$root" log -1 --format=%ct)}"

name=Gravelo-$version-linux-x86_64
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
top=$work/$name
mkdir -p "$top"/{vst,clap,vst3,lv2,bin,share}
cp "$usr/lib/vst/Gravelo.so" "$top/vst/"
cp "$usr/lib/clap/Gravelo.clap" "$top/clap/"
cp -r "$usr/lib/vst3/Gravelo.vst3" "$top/vst3/"
mkdir -p "$top/vst3/presets"
cp -r "$usr/share/vst3/presets/Morvane" "$top/vst3/presets/"
cp -r "$usr/lib/lv2/Gravelo.lv2" "$top/lv2/"
cp "$usr"/bin/gravelo-* "$top/bin/"
cp -r "$usr/share/applications" "$usr/share/icons" "$usr/share/man" "$top/share/"
cp "$here/install.sh" "$top/"
cp "$root/LICENSE" "$root/CHANGELOG.md" "$top/"
cp "$here/README.txt" "$top/"

find "$top" -type d -exec chmod 755 {} +
find "$top" -type f -exec chmod 644 {} +
chmod 755 "$top"/bin/* "$top/install.sh"
file=$name.tar.gz
(cd "$work" && tar --sort=name --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" \
    --format=gnu \
    -cf - "$name") | gzip -9n >"$out/.$file.partial"
mv -f "$out/.$file.partial" "$out/$file"
echo "$out/$file"
