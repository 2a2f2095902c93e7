#!/usr/bin/env bash
# Installs the Debian package on a clean Debian 12 root that has nothing
# else of the project, and checks it as a user would meet it: apt pulls in
# what the binaries need, every binary finds its libraries, lv2ls lists the
# plug-in, every program answers --help, man shows the page, and a purge
# leaves none of the package's files behind.
#   scripts/check-deb-clean-root.sh FRESH_MACHINE [DEB]
# FRESH_MACHINE is the command that runs a command in a clean root on a
# fresh clone of a repository (fresh-machine run REPO 'CMD'); DEB defaults
# to the package in dist/.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 FRESH_MACHINE [DEB]"; exit 2; }
fresh=$1
root=$(cd "$(dirname "$0")/.." && pwd)
deb=${2:-$(ls "$root"/dist/gravelo_*_amd64.deb)}
[ -f "$deb" ] || { echo "no package: run scripts/package.sh first"; exit 1; }

# The clean root clones a repository: one that holds only the package and
# the checks.
carrier=$(mktemp -d)
trap 'rm -rf "$carrier"' EXIT
cp "$deb" "$carrier/"
cat >"$carrier/check.sh" <<'CHECK'
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq ./gravelo_*_amd64.deb >/dev/null
dpkg -L gravelo | LC_ALL=C sort >/tmp/files
echo "installed $(wc -l </tmp/files) paths; Depends: $(dpkg-query -W -f='${Depends}' gravelo)"
while read -r file; do
    [ -f "$file" ] || continue
    head -c4 "$file" | grep -q ELF || continue
    if ldd "$file" | grep -q 'not found'; then ldd "$file"; fail "$file misses a library"; fi
done </tmp/files
echo "ldd: every binary finds every library"
apt-get install -y -qq lilv-utils man-db >/dev/null
lv2ls | grep -qx urn:morvane:gravelo || fail "lv2ls does not list urn:morvane:gravelo"
echo "lv2ls: urn:morvane:gravelo"
for program in gravelo-amp gravelo-render gravelo-panel gravelo-info; do
    "$program" --help >/dev/null || fail "$program --help"
    echo "$program --help: 0 ($("$program" --version))"
done
MANPAGER=cat man gravelo-amp 2>/dev/null | grep -q "gravelo-amp" || fail "man gravelo-amp"
echo "man gravelo-amp: $(MANPAGER=cat man gravelo-amp 2>/dev/null | wc -l) lines"
apt-get purge -y -qq gravelo >/dev/null
left=0
while read -r path; do
    [ -f "$path" ] && { echo "left behind: $path"; left=1; }
done </tmp/files
[ -e /usr/lib/lv2/Gravelo.lv2 ] || [ -e /usr/lib/vst3/Gravelo.vst3 ] && { echo "a bundle folder is left"; left=1; }
[ "$left" = 0 ] || fail "the purge left files behind"
echo "purge: none of the package's files is left"
echo "CLEAN ROOT: PASS"
CHECK
git -C "$carrier" init -q -b main
git -C "$carrier" add -A
git -C "$carrier" -c user.name=check -c user.email=check@localhost commit -q -m "the package and its checks"
"$fresh" run "$carrier" 'bash check.sh'
