# Writes CHANGELOG.md's releases ("## <version> (<yyyy-mm-dd>)", newest first, and their "- "
# items) as the Debian changelog that a package's changelog.gz must be: one entry a release,
# one "*" item an item, lines of at most 78 columns, without Markdown's marks.
#
#   awk -v package=NAME -v maintainer="NAME <ADDRESS>" -f debian-changelog.awk CHANGELOG.md

function flush_item(    n, words, i, line) {
    if (item == "")
        return
    gsub(/[`*]/, "", item)
    n = split(item, words, / +/)
    line = "  *"
    for (i = 1; i <= n; i++) {
        if (length(line) + 1 + length(words[i]) > 78 && line != "   ") {
            print line
            line = "   "
        }
        line = line " " words[i]
    }
    print line
    item = ""
}

function flush_release() {
    flush_item()
    if (trailer != "")
        print "\n" trailer
    trailer = ""
}

/^## [0-9.]+ \([0-9-]+\)$/ {
    flush_release()
    if (releases++)
        print ""
    version = $2
    date = substr($3, 2, length($3) - 2)
    command = "LC_ALL=C date -u -d " date " '+%a, %d %b %Y %H:%M:%S +0000'"
    command | getline stamp
    close(command)
    print package " (" version ") unstable; urgency=medium\n"
    trailer = " -- " maintainer "  " stamp
    next
}
/^- / { flush_item(); item = substr($0, 3); next }
/^  [^ ]/ && item != "" { sub(/^ +/, ""); item = item " " $0; next }
{ flush_item() }
END { flush_release() }
