#!/usr/bin/env bash
# Makes the two Windows releases of Gravelo from finished builds: the
# installer Gravelo-<version>-windows-setup.exe (packaging/windows/Gravelo.nsi)
# and the archive Gravelo-<version>-windows.zip with the same files in
# VST3/, CLAP/, VST2/x64/, VST2/x86/ beside the texts.
#   packaging/windows/make-windows.sh LINUX_BUILD WIN32_BUILD WIN64_BUILD OUT_DIR
# LINUX_BUILD gives the VST 3 bundle's moduleinfo.json, the two mingw builds
# the libraries. Nothing is built here. Both files are reproducible: every
# staged file gets the time SOURCE_DATE_EPOCH (by default the last commit's),
# the archive's entries are sorted and carry no owner.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 LINUX_BUILD WIN32_BUILD WIN64_BUILD OUT_DIR" >&2; exit 2; }
absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
linux=$(absolute "$1") win32=$(absolute "$2") win64=$(absolute "$3") out=$(absolute "$4")
cd "$(dirname "$0")/../.."

for tool in makensis python3; do
    command -v $tool >/dev/null || { echo "make-windows: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || true)}
[ -n "$epoch" ] || { echo "make-windows: no commit to date the files by; set SOURCE_DATE_EPOCH" >&2; exit 1; }
version=$(head -n 1 VERSION)

# Where each file comes from and where it goes in the archive (the
# installer takes the same tree).
files=(
    "$linux/vst3-bundles/Gravelo.vst3/Contents/Resources/moduleinfo.json:VST3/Gravelo.vst3/Contents/Resources/moduleinfo.json"
    "$win64/vst3-bundles/Gravelo.vst3/Contents/x86_64-win/Gravelo.vst3:VST3/Gravelo.vst3/Contents/x86_64-win/Gravelo.vst3"
    "$win32/vst3-bundles/Gravelo.vst3/Contents/x86-win/Gravelo.vst3:VST3/Gravelo.vst3/Contents/x86-win/Gravelo.vst3"
    "$win64/Gravelo.clap:CLAP/Gravelo.clap"
    "$win64/Gravelo.dll:VST2/x64/Gravelo.dll"
    "$win32/Gravelo.dll:VST2/x86/Gravelo.dll"
)
# Texts, read on Windows: CRLF line ends.
texts=(
    "packaging/windows/README.txt:README.txt"
    "LICENSE:LICENSE.txt"
    "THIRD-PARTY-NOTICES.txt:THIRD-PARTY-NOTICES.txt"
    "CHANGELOG.md:CHANGELOG.md"
)
icon=resources/icons/gravelo.ico
missing=0
for entry in "${files[@]}" "${texts[@]}" "$icon:"; do
    [ -f "${entry%%:*}" ] || { echo "make-windows: ${entry%%:*} is missing" >&2; missing=1; }
done
[ $missing = 0 ] || exit 1
# The practice amp comes along once it is built for Windows.
if [ -f "$win64/gravelo-amp.exe" ]; then files+=("$win64/gravelo-amp.exe:gravelo-amp.exe"); fi

work=$(mktemp -d)
setup=$out/Gravelo-$version-windows-setup.exe
zip=$out/Gravelo-$version-windows.zip
cleanup() { rm -rf "$work" "$setup.partial" "$zip.partial"; }
trap cleanup EXIT

stage=$work/files
for entry in "${files[@]}"; do
    mkdir -p "$(dirname "$stage/${entry#*:}")"
    cp "${entry%%:*}" "$stage/${entry#*:}"
done
for entry in "${texts[@]}"; do
    sed 's/\r*$/\r/' "${entry%%:*}" >"$stage/${entry#*:}"
done
cp "$icon" "$work/gravelo.ico"
# The installer keeps each file's time, the archive each entry's.
find "$work" -exec touch -h -d "@$epoch" {} +

mkdir -p "$out"
# Quiet but for warnings and errors, which count as failures.
makensis -WX -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DSTAGE=$stage" \
    "-DICON=$work/gravelo.ico" "-DOUTFILE=$setup.partial" packaging/windows/Gravelo.nsi >&2 ||
    { echo "make-windows: makensis failed" >&2; exit 1; }

python3 - "$stage" "$zip.partial" "$epoch" <<'EOF'
import os, sys, time, zipfile

root, target, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
# Zip times are local-time fields from 1980 on; UTC keeps them the same
# wherever the archive is made.
stamp = time.gmtime(max(epoch, 315532800))[:6]
names = []
for folder, subfolders, files in os.walk(root):
    relative = os.path.relpath(folder, root)
    prefix = "" if relative == "." else relative.replace(os.sep, "/") + "/"
    names += [prefix + d + "/" for d in subfolders] + [prefix + f for f in files]
with zipfile.ZipFile(target, "w") as archive:
    for name in sorted(names):
        info = zipfile.ZipInfo(name, stamp)
        info.create_system = 0  # MS-DOS attributes: no owner, no modes
        if name.endswith("/"):
            info.external_attr = 0x10  # a folder
            archive.writestr(info, b"")
        else:
            info.external_attr = 0x20  # a file, as Windows marks new ones
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(root, name), "rb") as f:
                archive.writestr(info, f.read(), compresslevel=9)
EOF

mv "$setup.partial" "$setup"
mv "$zip.partial" "$zip"
echo "make-windows: $setup ($(stat -c %s "$setup") bytes)"
echo "make-windows: $zip ($(stat -c %s "$zip") bytes)"
