#!/usr/bin/env bash
# Packs a staged root (packaging/linux/stage.sh) into the Debian package
# gravelo_<version>_amd64.deb. Depends is computed from the binaries' shared
# libraries by dpkg-shlibdeps; the copyright file carries LICENSE and the
# changelog is CHANGELOG.md in Debian's form.
#   packaging/debian/make-deb.sh STAGE_DIR OUT_DIR
# SOURCE_DATE_EPOCH (default: the last commit's time) dates every file.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 STAGE_DIR OUT_DIR"; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
stage=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=$(head -n1 "$root/VERSION")
maintainer="Morvane <gravelo@morvane.org>"
: "${SOURCE_DATE_EPOCH:=$(git -C "$root" log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$stage" "$work/root"
pkg=$work/root

doc=$pkg/usr/share/doc/gravelo
mkdir -p "$doc"
{
    printf 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n'
    printf 'Upstream-Name: Gravelo\nUpstream-Contact: %s\n\n' "$maintainer"
    printf 'Files: *\n%s\nLicense: Expat\n' "$(grep -m1 '^Copyright' "$root/LICENSE")"
    # The licence's own text, without its title and copyright lines.
    tail -n +5 "$root/LICENSE" | sed -e 's/^$/./' -e 's/^/ /'
} >"$doc/copyright"
awk -v maintainer="$maintainer" -f "$here/changelog.awk" "$root/CHANGELOG.md" | gzip -9n >"$doc/changelog.gz"

# dpkg-shlibdeps reads the package's name from a source control file.
mkdir -p "$work/src/debian"
printf 'Source: gravelo\n\nPackage: gravelo\nArchitecture: amd64\n' >"$work/src/debian/control"
mapfile -t binaries < <(find "$pkg/usr" -type f \( -name '*.so' -o -name '*.clap' -o -path '*/bin/*' \) | LC_ALL=C sort)
depends=$(cd "$work/src" && dpkg-shlibdeps -O "${binaries[@]}" 2>"$work/shlibdeps.log" |
    sed -n 's/^shlibs:Depends=//p') || { cat "$work/shlibdeps.log"; exit 1; }
[ -n "$depends" ] || { echo "make-deb: dpkg-shlibdeps found no libraries"; exit 1; }

mkdir -p "$pkg/DEBIAN"
size=$(du -sk --exclude=DEBIAN "$pkg" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
    "$here/control.in" >"$pkg/DEBIAN/control"
(cd "$pkg" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$pkg/DEBIAN/md5sums"
find "$pkg" -type d -exec chmod 755 {} +
chmod 644 "$pkg/DEBIAN/control" "$pkg/DEBIAN/md5sums" "$doc/copyright" "$doc/changelog.gz"
find "$pkg" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

deb=gravelo_${version}_amd64.deb
dpkg-deb --root-owner-group -Zxz --build "$pkg" "$out/.$deb.partial" >/dev/null
mv -f "$out/.$deb.partial" "$out/$deb"
echo "$out/$deb"
