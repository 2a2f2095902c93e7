#!/usr/bin/env bash
# The Windows releases under Wine. make-windows.sh makes them from the Linux
# build and build-win32, build-win64 (scripts/test-windows.sh builds those);
# the archive must hold the files in its folders, and in a Wine prefix of
# its own the installer must put every file in its place and register its
# uninstaller, the installed plug-ins must load and render in the Windows
# test host, /COMPONENTS=, /VST2DIR= and /VST2DIR32= must be obeyed, and the
# uninstaller must take back all it put there and nothing else.
# One line per failure; exits non-zero on any.
#   tests/packaging/windows/installer-test.sh
# SKIP_INSTALL=1 skips apt-get; GRAVELO_LINUX_BUILD names the Linux build
# (default: build).
set -euo pipefail
cd "$(dirname "$0")/../../.."
root=$(pwd)
started=$(date +%s)
export LC_ALL=C
[ "${SKIP_INSTALL:-0}" = 1 ] || bash scripts/install-deps.sh
linux=${GRAVELO_LINUX_BUILD:-build}
version=$(head -n 1 VERSION)

work=$(mktemp -d)
# Wine's server directory and every other temporary file go with it.
mkdir "$work/tmp"
export TMPDIR=$work/tmp
xvfb_pid=""
cleanup() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
listing() { find "$1" -mindepth 1 -maxdepth 1 -printf '%f\n' 2>/dev/null | sort | tr '\n' ' '; }

bash packaging/windows/make-windows.sh "$linux" build-win32 build-win64 "$work/out" ||
    { echo "FAIL make-windows.sh could not make the releases"; exit 1; }
setup=$work/out/Gravelo-$version-windows-setup.exe
zip=$work/out/Gravelo-$version-windows.zip
[ "$(listing "$work/out")" = "$(printf '%s\n' "${setup##*/}" "${zip##*/}" | sort | tr '\n' ' ')" ] ||
    fail "make-windows.sh: the output folder holds $(listing "$work/out")"

amp=""
if [ -f build-win64/gravelo-amp.exe ]; then amp=build-win64/gravelo-amp.exe; fi

echo "== the archive"
python3 - "$zip" "$linux" "$amp" <<'EOF' || failures=$((failures + 1))
import sys, zipfile

archive, linux, amp = sys.argv[1:4]
binaries = {
    "VST3/Gravelo.vst3/Contents/x86_64-win/Gravelo.vst3":
        "build-win64/vst3-bundles/Gravelo.vst3/Contents/x86_64-win/Gravelo.vst3",
    "VST3/Gravelo.vst3/Contents/x86-win/Gravelo.vst3":
        "build-win32/vst3-bundles/Gravelo.vst3/Contents/x86-win/Gravelo.vst3",
    "VST3/Gravelo.vst3/Contents/Resources/moduleinfo.json":
        linux + "/vst3-bundles/Gravelo.vst3/Contents/Resources/moduleinfo.json",
    "CLAP/Gravelo.clap": "build-win64/Gravelo.clap",
    "VST2/x64/Gravelo.dll": "build-win64/Gravelo.dll",
    "VST2/x86/Gravelo.dll": "build-win32/Gravelo.dll",
}
if amp:
    binaries["gravelo-amp.exe"] = amp
texts = {"README.txt": "packaging/windows/README.txt", "LICENSE.txt": "LICENSE",
         "THIRD-PARTY-NOTICES.txt": "THIRD-PARTY-NOTICES.txt", "CHANGELOG.md": "CHANGELOG.md"}
problems = []
with zipfile.ZipFile(archive) as z:
    names = [n for n in z.namelist() if not n.endswith("/")]
    if names != sorted(names):
        problems.append("its entries are not sorted")
    for extra in sorted(set(names) - set(binaries) - set(texts)):
        problems.append(extra + " should not be in it")
    for name, source in sorted(binaries.items()) + sorted(texts.items()):
        if name not in names:
            problems.append(name + " is missing")
            continue
        want = open(source, "rb").read()
        if name in texts:
            want = want.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
        if z.read(name) != want:
            problems.append(name + " is not " + source + ("" if name in binaries else " with CRLF"))
for p in problems:
    print("FAIL the archive: " + p)
sys.exit(1 if problems else 0)
EOF

start_display() {
    local fifo display
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    xvfb_pid=$!
    read -r display <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display"
}
start_display
# A new 64-bit prefix, as on a Windows that never saw Gravelo. No window
# manager manages Wine's windows, so destroying them never stalls.
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1 || { echo "FAIL wineboot could not make a Wine prefix"; exit 1; }
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

c=$WINEPREFIX/drive_c
pf="$c/Program Files" pf86="$c/Program Files (x86)"
bundle="$pf/Common Files/VST3/Gravelo.vst3"
clap="$pf/Common Files/CLAP/Gravelo.clap"
program="$pf/Morvane/Gravelo"
shortcut="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Gravelo practice amp.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Gravelo'
win() { local p=${1#"$c"/}; printf 'C:\\%s' "${p//\//\\}"; }

# Each plug-in file where the installer puts it by default, and its origin.
declare -A plugins=(
    ["$bundle/Contents/x86_64-win/Gravelo.vst3"]=build-win64/vst3-bundles/Gravelo.vst3/Contents/x86_64-win/Gravelo.vst3
    ["$bundle/Contents/x86-win/Gravelo.vst3"]=build-win32/vst3-bundles/Gravelo.vst3/Contents/x86-win/Gravelo.vst3
    ["$bundle/Contents/Resources/moduleinfo.json"]=$linux/vst3-bundles/Gravelo.vst3/Contents/Resources/moduleinfo.json
    ["$clap"]=build-win64/Gravelo.clap
    ["$pf/VSTPlugins/Gravelo.dll"]=build-win64/Gravelo.dll
    ["$pf86/VSTPlugins/Gravelo.dll"]=build-win32/Gravelo.dll
)
program_files="CHANGELOG.md LICENSE.txt THIRD-PARTY-NOTICES.txt gravelo.ico uninstall.exe"
[ -z "$amp" ] || program_files="CHANGELOG.md LICENSE.txt THIRD-PARTY-NOTICES.txt gravelo-amp.exe gravelo.ico uninstall.exe"

run_setup() { # step expected-exit-code arguments...
    local code=0
    wine "$setup" /S "${@:3}" >/dev/null 2>&1 || code=$?
    [ "$code" = "$2" ] || fail "$1: setup.exe /S ${*:3} exited with $code, not $2"
}

placed() { # step installed-file origin
    if [ ! -f "$2" ]; then fail "$1: $(win "$2") is missing"
    elif ! cmp -s "$2" "$3"; then fail "$1: $(win "$2") is not $3"; fi
}

absent() { # step path
    [ ! -e "$2" ] || fail "$1: $(win "$2") is there"
}

# The uninstall entry's values, by name, as 64-bit programs see them.
declare -A entry
read_entry() {
    entry=()
    local line
    while IFS= read -r line; do
        if [[ $line =~ ^\ {4}([^ ]+)\ {4}REG_[A-Z_]+\ {4}(.*)$ ]]; then
            entry[${BASH_REMATCH[1]}]=${BASH_REMATCH[2]}
        fi
    done < <(wine reg query "$key" /reg:64 2>/dev/null | tr -d '\r')
}

value() { # step name expected
    [ "${entry[$2]-(none)}" = "$3" ] || fail "$1: the uninstall entry's $2 is '${entry[$2]-(none)}', not '$3'"
}

# EstimatedSize: the files' bytes in KiB, rounded up.
size_of() { # files...
    local bytes=0 size
    for size in $(stat -c %s "$@"); do bytes=$((bytes + size)); done
    printf '0x%x' $(((bytes + 1023) / 1024))
}

host() { # step bits Gravelo.dll Gravelo.vst3 [Gravelo.clap]
    local log=$work/host-$2.log
    (cd "$work" && wine "$root/build-win$2/wintesthost.exe" --installed "${@:3}") |
        tr -d '\r' >"$log" || true
    grep -q '^[0-9]* passed, 0 failed$' "$log" && return
    fail "$1: the $2-bit test host on the installed files: $(tail -n 1 "$log")"
    grep '^FAIL' "$log" | sed 's/^/    /' || true
}

uninstall() { # step
    read_entry
    local quiet=${entry[QuietUninstallString]-}
    if [[ ! $quiet =~ ^\"([^\"]+)\"\ (.+)$ ]]; then
        fail "$1: no QuietUninstallString to run"
        return
    fi
    # shellcheck disable=SC2086 # its options, split as Windows would
    wine "${BASH_REMATCH[1]}" ${BASH_REMATCH[2]} >/dev/null 2>&1 || fail "$1: the uninstaller failed"
    # It goes on from a copy of itself in the temporary folder.
    wineserver -w
}

echo "== setup.exe /S: everything in its default place"
run_setup "install" 0
for file in "${!plugins[@]}"; do placed "install" "$file" "${plugins[$file]}"; done
found=$(cd "$bundle" 2>/dev/null && find . -type f | sort | tr '\n' ' ')
[ "$found" = "./Contents/Resources/moduleinfo.json ./Contents/x86-win/Gravelo.vst3 ./Contents/x86_64-win/Gravelo.vst3 " ] ||
    fail "install: the VST 3 bundle holds $found"
found=$(listing "$program")
[ "$found" = "$program_files " ] || fail "install: $(win "$program") holds $found"
cmp -s <(tr -d '\r' <"$program/LICENSE.txt") LICENSE || fail "install: LICENSE.txt is not LICENSE"
placed "install" "$program/gravelo.ico" resources/icons/gravelo.ico
[ -z "$amp" ] || placed "install" "$program/gravelo-amp.exe" "$amp"
[ -z "$amp" ] || [ -f "$shortcut" ] || fail "install: no Start menu entry for the practice amp"
read_entry
location='C:\Program Files\Morvane\Gravelo'
value "install" DisplayName "Gravelo"
value "install" DisplayVersion "$version"
value "install" Publisher "Morvane"
value "install" DisplayIcon "$location\\gravelo.ico"
value "install" InstallLocation "$location"
value "install" UninstallString "\"$location\\uninstall.exe\""
value "install" QuietUninstallString "\"$location\\uninstall.exe\" /S"
value "install" Vst2Dir 'C:\Program Files\VSTPlugins'
value "install" Vst2Dir32 'C:\Program Files (x86)\VSTPlugins'
installed=()
for name in $program_files; do installed+=("$program/$name"); done
value "install" EstimatedSize "$(size_of "${!plugins[@]}" "${installed[@]}")"
! wine reg query "$key" /reg:32 >/dev/null 2>&1 || fail "install: the entry is in the 32-bit registry view"

echo "== the installed plug-ins in the test hosts"
host "install" 64 'C:\Program Files\VSTPlugins\Gravelo.dll' \
    'C:\Program Files\Common Files\VST3\Gravelo.vst3\Contents\x86_64-win\Gravelo.vst3' \
    'C:\Program Files\Common Files\CLAP\Gravelo.clap'
host "install" 32 'C:\Program Files (x86)\VSTPlugins\Gravelo.dll' \
    'C:\Program Files\Common Files\VST3\Gravelo.vst3\Contents\x86-win\Gravelo.vst3'

echo "== the uninstaller, with a file of the user's in the VST 2.x folder"
echo "the user's own" >"$pf/VSTPlugins/Other.dll"
uninstall "uninstall"
for file in "${!plugins[@]}"; do absent "uninstall" "$file"; done
absent "uninstall" "$bundle"
absent "uninstall" "$program"
absent "uninstall" "$shortcut"
[ "$(cat "$pf/VSTPlugins/Other.dll" 2>/dev/null)" = "the user's own" ] ||
    fail "uninstall: the user's Other.dll went with Gravelo"
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "uninstall: the uninstall entry is still there"

echo "== what the installer refuses"
run_setup "refusal" 2 /COMPONENTS=vst3,banjo
run_setup "refusal" 2 '/VST2DIR=C:\Same' "/VST2DIR32=C:\\Same\\"
run_setup "refusal" 2 '/VST2DIR32=Same'
absent "refusal" "$bundle"
absent "refusal" "$c/Same"
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "refusal: an uninstall entry was written"

echo "== /COMPONENTS=vst2,vst2x86 with folders of the user's"
run_setup "chosen" 0 /COMPONENTS=vst2,vst2x86 '/VST2DIR=C:\Plugins\VST64' '/VST2DIR32=C:\Plugins\VST32'
placed "chosen" "$c/Plugins/VST64/Gravelo.dll" build-win64/Gravelo.dll
placed "chosen" "$c/Plugins/VST32/Gravelo.dll" build-win32/Gravelo.dll
for file in "${!plugins[@]}"; do absent "chosen" "$file"; done
absent "chosen" "$bundle"
read_entry
value "chosen" Vst2Dir 'C:\Plugins\VST64'
value "chosen" Vst2Dir32 'C:\Plugins\VST32'
value "chosen" Vst3Dir "(none)"
value "chosen" ClapDir "(none)"
value "chosen" EstimatedSize "$(size_of "$c"/Plugins/VST*/Gravelo.dll "${installed[@]}")"

echo "== setup.exe again: the earlier installation goes, its other folder stays the default"
run_setup "again" 0 '/VST2DIR=C:\Plugins\Other64'
absent "again" "$c/Plugins/VST64"
placed "again" "$c/Plugins/Other64/Gravelo.dll" build-win64/Gravelo.dll
placed "again" "$c/Plugins/VST32/Gravelo.dll" build-win32/Gravelo.dll
placed "again" "$clap" build-win64/Gravelo.clap
read_entry
value "again" Vst2Dir 'C:\Plugins\Other64'
value "again" Vst2Dir32 'C:\Plugins\VST32'

echo "installer test: $failures failure(s), $(($(date +%s) - started)) s"
[ "$failures" = 0 ]
