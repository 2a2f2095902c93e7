#!/usr/bin/env bash
# The Debian package and the per-user archive, made from a build:
#   tests/packaging/linux-packages-test.sh BUILD_DIR SCRATCH_DIR
# The package holds every file in its place, depends on the libraries the
# binaries link and passes lintian without an error. The archive's
# install.sh installs into an empty home where hosts find the plug-ins, and
# its --uninstall leaves the home as it found it, a file of the user's
# included. Exits non-zero at the first failure, saying which.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
scratch=$2
version=$(head -n1 "$root/VERSION")
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
bash "$root/packaging/linux/stage.sh" "$build" "$scratch/stage"
deb=$(bash "$root/packaging/debian/make-deb.sh" "$scratch/stage" "$scratch/out")
archive=$(bash "$root/packaging/linux/make-archive.sh" "$scratch/stage" "$scratch/out")
[ "$(basename "$deb")" = "gravelo_${version}_amd64.deb" ] || fail "package named $(basename "$deb")"

# --- the package ---
contents=$(dpkg-deb --contents "$deb" | sed -E -e 's/^([^ ]+ +){5}//' -e 's|^\./|/|')
for path in /usr/lib/vst/Gravelo.so /usr/lib/clap/Gravelo.clap \
    /usr/lib/vst3/Gravelo.vst3/Contents/x86_64-linux/Gravelo.so \
    /usr/lib/vst3/Gravelo.vst3/Contents/Resources/moduleinfo.json \
    /usr/lib/lv2/Gravelo.lv2/manifest.ttl /usr/lib/lv2/Gravelo.lv2/gravelo_ui.so \
    "/usr/share/vst3/presets/Morvane/Gravelo I/growl.vstpreset" \
    /usr/share/applications/gravelo-amp.desktop /usr/share/icons/hicolor/256x256/apps/gravelo-amp.png \
    /usr/share/doc/gravelo/copyright /usr/share/doc/gravelo/changelog.gz; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
for program in gravelo-amp gravelo-render gravelo-panel gravelo-info; do
    grep -qxF "/usr/bin/$program" <<<"$contents" || fail "the package lacks /usr/bin/$program"
    grep -qxF "/usr/share/man/man1/$program.1.gz" <<<"$contents" || fail "no manual page for $program"
done
grep -q gravelo-make-demo <<<"$contents" && fail "the package carries the demo tool"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libcairo2 libx11-6 libjack libsndfile1 libstdc++6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
desktop-file-validate "$scratch/stage/usr/share/applications/gravelo-amp.desktop" ||
    fail "the desktop entry is not valid"
# Errors fail the package; the warnings that stay are named in the README.
lintian --fail-on error --suppress-tags-from-file "$root/packaging/debian/lintian-accepted" "$deb" \
    >"$scratch/lintian.txt" 2>&1 || { cat "$scratch/lintian.txt"; fail "lintian"; }
cat "$scratch/lintian.txt"

# The archive's README names the oldest glibc the binaries run on.
stated=$(grep -o 'glibc [0-9.]*' "$root/packaging/linux/README.txt" | cut -d' ' -f2)
needed=$(find "$scratch/stage/usr" -type f \( -name '*.so' -o -name '*.clap' -o -path '*/bin/*' \) \
    -exec objdump -T {} + | grep -o 'GLIBC_[0-9.]*' | cut -d_ -f2 | sort -uV | tail -n1)
[ "$(printf '%s\n%s\n' "$needed" "$stated" | sort -V | tail -n1)" = "$stated" ] ||
    fail "the binaries need glibc $needed; README.txt says $stated"

# --- the archive, in an empty home ---
mkdir -p "$scratch/unpacked" "$scratch/home"
tar -xzf "$archive" -C "$scratch/unpacked"
installer=$scratch/unpacked/Gravelo-$version-linux-x86_64/install.sh
home=$scratch/home
run_as_user() { env -i HOME="$home" PATH=/usr/bin:/bin "$@"; }
# A plug-in of the user's own is already in ~/.vst.
mkdir -p "$home/.vst"
touch "$home/.vst/Other.so"
run_as_user sh "$installer" >/dev/null
for path in .vst/Gravelo.so .clap/Gravelo.clap .vst3/Gravelo.vst3/Contents/x86_64-linux/Gravelo.so \
    ".vst3/presets/Morvane/Gravelo I/growl.vstpreset" .lv2/Gravelo.lv2/manifest.ttl \
    .local/bin/gravelo-amp .local/share/applications/gravelo-amp.desktop \
    .local/share/icons/hicolor/48x48/apps/gravelo-amp.png .local/share/man/man1/gravelo-amp.1.gz; do
    [ -f "$home/$path" ] || fail "install.sh did not install ~/$path"
done
[ "$(run_as_user "$home/.local/bin/gravelo-render" --version)" = "gravelo-render $version" ] ||
    fail "the installed gravelo-render is not version $version"
found=$(LV2_PATH=$home/.lv2 lv2info urn:morvane:gravelo 2>&1) || true
grep -q "Name: *Gravelo I" <<<"$found" || fail "lv2info does not find the bundle: $found"
# A second install replaces the first; the uninstall leaves the user's file.
run_as_user sh "$installer" >/dev/null
run_as_user sh "$installer" --uninstall >/dev/null
left=$(cd "$home" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./.vst ./.vst/Other.so " ] || fail "the uninstall left $left"
echo "linux packages: $(du -k "$deb" | cut -f1) KiB .deb, $(du -k "$archive" | cut -f1) KiB .tar.gz, both as they should be"
