#!/bin/sh
# Installs Gravelo for the current user, from the folder this script is in:
#   ./install.sh              plug-ins into ~/.vst, ~/.vst3, ~/.clap and ~/.lv2,
#                             the programs into ~/.local/bin, the menu entry,
#                             icons and manual pages under ~/.local/share
#   ./install.sh --uninstall  removes exactly what the install put there
# Every file and every folder the install made is written to a list, which
# the uninstall reads; nothing else is touched.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
: "${HOME:?HOME is not set}"
data=${XDG_DATA_HOME:-$HOME/.local/share}
list=$data/gravelo/installed-files
# The list is written aside while the install runs and moved into place at
# its end, so the folders made for it are on it too.
draft=""

say() { printf 'gravelo: %s\n' "$*"; }

# make_folder DIR: creates DIR and each missing parent, noting those it made.
make_folder() {
    [ -d "$1" ] && return 0
    make_folder "$(dirname "$1")"
    mkdir "$1"
    printf 'd %s\n' "$1" >>"$draft"
}

# place SOURCE TARGET MODE: one file, noted in the list.
place() {
    make_folder "$(dirname "$2")"
    cp "$1" "$2.partial"
    chmod "$3" "$2.partial"
    mv -f "$2.partial" "$2"
    printf 'f %s\n' "$2" >>"$draft"
}

# place_tree SOURCE_DIR TARGET_DIR: every file below, as they are laid out.
place_tree() {
    (cd "$1" && find . -type f | LC_ALL=C sort) | while IFS= read -r file; do
        file=${file#./}
        mode=644
        [ -x "$1/$file" ] && mode=755
        place "$1/$file" "$2/$file" "$mode"
    done
}

uninstall() {
    if [ ! -f "$list" ]; then
        say "nothing to remove: $list is missing"
        return 0
    fi
    entries=$(cat "$list")
    rm -f "$list"
    # Files first, then the folders the install made, deepest first, and
    # only while empty: a file the user put there keeps its folder.
    printf '%s\n' "$entries" | grep '^f ' | cut -c3- | while IFS= read -r file; do
        rm -f "$file"
    done
    printf '%s\n' "$entries" | grep '^d ' | cut -c3- | LC_ALL=C sort -r | while IFS= read -r folder; do
        rmdir "$folder" 2>/dev/null || true
    done
    say "removed"
}

install_all() {
    [ -f "$here/vst/Gravelo.so" ] || { say "run install.sh from the unpacked archive"; exit 1; }
    # An earlier install is removed first, so the list names only this one.
    uninstall >/dev/null
    draft=$(mktemp)
    trap 'rm -f "$draft"' EXIT
    make_folder "$data/gravelo"
    place "$here/vst/Gravelo.so" "$HOME/.vst/Gravelo.so" 644
    place "$here/clap/Gravelo.clap" "$HOME/.clap/Gravelo.clap" 644
    place_tree "$here/vst3/Gravelo.vst3" "$HOME/.vst3/Gravelo.vst3"
    place_tree "$here/vst3/presets" "$HOME/.vst3/presets"
    place_tree "$here/lv2/Gravelo.lv2" "$HOME/.lv2/Gravelo.lv2"
    for program in "$here"/bin/*; do
        place "$program" "$HOME/.local/bin/$(basename "$program")" 755
    done
    place_tree "$here/share" "$data"
    cp "$draft" "$list"
    say "installed for $(id -un); run gravelo-amp, or rescan plug-ins in your host"
    case ":$PATH:" in
    *":$HOME/.local/bin:"*) ;;
    *) say "add $HOME/.local/bin to PATH to run gravelo-amp from a shell" ;;
    esac
}

case "${1:-}" in
"") install_all ;;
--uninstall) uninstall ;;
-h | --help) sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//' ;;
*) say "unknown option '$1' (see --help)"; exit 2 ;;
esac
