# Turns CHANGELOG.md into a Debian changelog: each "## VERSION — DATE"
# section becomes an entry, each "- " item a "  * " line with its
# continuation lines under it. The entry is dated at noon UTC of its day.
function close_entry() {
    if (version == "") return
    printf "\n -- %s  %s\n", maintainer, stamp
}
/^## / {
    close_entry()
    version = $2
    date = $NF
    cmd = "date -u -R -d '" date " 12:00'"
    cmd | getline stamp
    close(cmd)
    if (NR > 1 && printed) printf "\n"
    printf "gravelo (%s) stable; urgency=medium\n\n", version
    printed = 1
    next
}
version == "" { next }
/^- / { sub(/^- +/, ""); printf "  * %s\n", $0; next }
/^  +[^ ]/ { sub(/^ +/, ""); printf "    %s\n", $0; next }
/^[^ -]/ && NF > 0 { printf "  %s\n", $0; next }
END { close_entry() }
