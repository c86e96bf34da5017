#!/usr/bin/env bash
# Writes CHANGELOG.md in the form of a Debian changelog to standard output: one entry for each
# "## VERSION (DATE)" heading, each paragraph or list item of it a starred item wrapped at 78
# columns, signed by the maintainer at noon UTC of the release date. The Debian package carries
# it, compressed, as /usr/share/doc/gyrotrak/changelog.gz.
#
#   tools/debian_changelog.sh CHANGELOG.md "NAME <ADDRESS>"
set -euo pipefail
[ $# -eq 2 ] || { sed -n '2,7p' "$0" >&2; exit 2; }
changelog=$1
maintainer=$2

# One line for each heading (H VERSION DATE) and for each item (I TEXT), in order.
items() {
  awk '
    /^## / { flush(); sub(/^## /, ""); gsub(/[()]/, ""); print "H " $0; inside = 1; next }
    !inside { next }
    /^[[:space:]]*$/ { flush(); next }
    /^- / { flush(); sub(/^- /, "") }
    { sub(/^[[:space:]]+/, ""); item = item == "" ? $0 : item " " $0 }
    function flush() { if (item != "") print "I " item; item = "" }
    END { flush() }
  ' "$1"
}

# Wraps one item's words after "  * ", continuing under its first word.
wrapped_item() {
  awk -v text="$1" 'BEGIN {
    n = split(text, words, " "); line = "  *"
    for (i = 1; i <= n; i++) {
      if (length(line) + 1 + length(words[i]) > 78 && line != "    ") { print line; line = "   " }
      line = line " " words[i]
    }
    print line
  }'
}

signature() { echo; echo " -- $maintainer  $(date -u -R -d "$1 12:00")"; }

date=
while read -r kind rest; do
  if [ "$kind" = H ]; then
    [ -z "$date" ] || { signature "$date"; echo; }
    read -r version date <<<"$rest"
    printf 'gyrotrak (%s) unstable; urgency=medium\n\n' "$version"
  else
    wrapped_item "$rest"
  fi
done < <(items "$changelog")
[ -z "$date" ] || signature "$date"
