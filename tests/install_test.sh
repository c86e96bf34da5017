#!/usr/bin/env bash
# Installs the built program into a temporary staging folder (DESTDIR and a prefix), checks the
# installed tree (with the link the screen-saver hosts start the program from, and its target),
# the desktop entries, the screen-saver description, the manual page, --help and --version, then
# starts the installed program from an unrelated directory and reads its picture back: the globe
# must be textured and the message line drawn, both from the installed images. Checks too that
# the README names the Debian packages a plain build needs.
#
#   tests/install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d /tmp/gyrotrak-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The README names the packages a plain build needs, as tools/packages.sh has them.
. "$source/tools/packages.sh"
named=$(grep -m 1 '^    sudo apt-get install ' "$source/README.md" | sed 's/.* install //')
[ "$named" = "$BUILD_PACKAGES $RUNTIME_PACKAGES" ] || fail "the README's packages: $named"

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr/local >/dev/null
prefix=$work/stage/usr/local
expected='bin/gyrotrak
libexec/xscreensaver/gyrotrak -> ../../bin/gyrotrak
share/applications/gyrotrak.desktop
share/applications/io.github.gyrotrak.Gyrotrak.desktop
share/applications/screensavers/gyrotrak.desktop
share/doc/gyrotrak/changelog.gz
share/doc/gyrotrak/copyright
share/gyrotrak/earthCloudsBW_256.bmp
share/gyrotrak/font.bmp
share/icons/hicolor/128x128/apps/gyrotrak.png
share/icons/hicolor/16x16/apps/gyrotrak.png
share/icons/hicolor/24x24/apps/gyrotrak.png
share/icons/hicolor/256x256/apps/gyrotrak.png
share/icons/hicolor/32x32/apps/gyrotrak.png
share/icons/hicolor/48x48/apps/gyrotrak.png
share/icons/hicolor/64x64/apps/gyrotrak.png
share/man/man6/gyrotrak.6.gz
share/metainfo/io.github.gyrotrak.Gyrotrak.metainfo.xml
share/xscreensaver/config/gyrotrak.xml'
# Links with their targets.
installed=$(cd "$work/stage" && find . ! -type d -printf '%p -> %l\n' |
  sed 's|^\./usr/local/||; s/ -> $//' | sort)
[ "$installed" = "$expected" ] || fail "installed files:"$'\n'"$installed"
[ -x "$prefix/bin/gyrotrak" ] || fail "bin/gyrotrak is not executable"
for image in font.bmp earthCloudsBW_256.bmp; do
  cmp "$source/data/$image" "$prefix/share/gyrotrak/$image" || fail "installed $image differs"
done
for size in 16 24 32 48 64 128 256; do
  [ "$(identify -format %wx%h "$prefix/share/icons/hicolor/${size}x$size/apps/gyrotrak.png")" = \
    "${size}x$size" ] || fail "the ${size}x$size icon has another size"
done

desktop-file-validate "$prefix/share/applications/io.github.gyrotrak.Gyrotrak.desktop" ||
  fail "desktop entry"
desktop-file-validate "$prefix/share/applications/gyrotrak.desktop" || fail "old desktop entry"
desktop-file-validate "$prefix/share/applications/screensavers/gyrotrak.desktop" >/dev/null ||
  fail "screen-saver desktop entry"
xmllint --noout "$prefix/share/xscreensaver/config/gyrotrak.xml" || fail "screen-saver description"
# --help and --version answer at once, without a display.
DISPLAY= "$prefix/bin/gyrotrak" --version | grep -qx 'gyrotrak [0-9.]*' || fail "--version"
DISPLAY= "$prefix/bin/gyrotrak" --help | grep -q -- '-window-id' || fail "--help"
manual=$work/gyrotrak.6
zcat "$prefix/share/man/man6/gyrotrak.6.gz" >"$manual"
lint=$(groff -ww -man -z "$manual" 2>&1; mandoc -T lint "$manual" 2>&1) || true
[ -z "$lint" ] || fail "manual page lint:"$'\n'"$lint"

# Keep only the red of every installed pixel (blue, green, red from the offset at byte 10), so
# that the picture tells the installed copies from the grey ones in the source tree.
for image in font.bmp earthCloudsBW_256.bmp; do
  perl -0777 -i -pe 'substr($_, unpack("V", substr($_, 10, 4))) =~ s/..(.)/\0\0$1/gs' \
    "$prefix/share/gyrotrak/$image"
done

mkdir "$work/elsewhere"
cd "$work/elsewhere"
GYROTRAK_SEED=1 GYROTRAK_CLOCK=50,2500 "$source/tools/still_picture.sh" "$work/shot.png" \
  "$prefix/bin/gyrotrak"

# Statistics (0 to 1) of a region WIDTHxHEIGHT+X+Y of the picture, counted from the top left,
# and the share of its pixels that are red only (red above a threshold, no green), as the
# installed images draw them. Stars and particles fall into the regions too; at this seed and
# time none of them reads as red only there.
stats() { convert "$work/shot.png" -crop "$1" +repage -format "$2" info:; }
red_only() {
  convert "$work/shot.png" -crop "$1" +repage -fx "r > $2 && g < 0.05" -format '%[fx:mean]' info:
}
# The globe rides at the middle of the screen. Left of the track through it, its red varies with
# the picture (it would be even without one) and much of it is red only.
spread=$(stats 16x30+488+370 '%[fx:standard_deviation.r]')
share=$(red_only 16x30+488+370 0.1)
awk -v s="$spread" -v r="$share" 'BEGIN { exit !(s > 0.03 && r > 0.1) }' ||
  fail "globe: red spread $spread (want > 0.03), red-only share $share (want > 0.1)"
# The message line, top left: red-only glyph strokes with gaps between them (without the font
# image the text is drawn as white blocks; with the source tree's font, in white).
share=$(red_only 250x22+8+4 0.15)
awk -v r="$share" 'BEGIN { exit !(r > 0.01 && r < 0.5) }' ||
  fail "message line: red-only share $share (want 0.01 to 0.5)"
echo "installed tree, desktop entry, manual page and the installed program's picture: fine"
