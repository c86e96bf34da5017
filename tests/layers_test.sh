#!/bin/sh
# Includes run one way: a folder of the program includes itself and the folders before it in the
# list below, never one after, so no folder reaches itself through the others. base/ includes
# neither GL nor X, and the other folders see the window layer only through window/window.h.
# Usage: layers_test.sh SOURCE_DIR
cd "$1" || exit 1
folders="base window text textures ride effects settings controls frame app"
wrong() {  # folder, header, folders before the folder
  top=${2%%/*}
  case "$top" in
  "$1") return 1 ;;
  GL | X11) [ "$1" = base ] ;;
  window) [ "$2" != window/window.h ] || ! echo " $3 " | grep -q " window " ;;
  *) echo " $folders " | grep -q " $top " && ! echo " $3 " | grep -q " $top " ;;
  esac
}
before=""
for folder in $folders; do
  grep -Ho '#include [<"][A-Za-z0-9_]*/[A-Za-z0-9_/]*\.h' "$folder"/*.h "$folder"/*.cpp |
    sed 's/:#include [<"]/ /' | while read -r file header; do
      if wrong "$folder" "$header" "$before"; then echo "$file includes $header"; fi
    done
  before="$before $folder"
done | grep . && echo "folders include in this order only: $folders" && exit 1
exit 0
