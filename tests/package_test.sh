#!/usr/bin/env bash
# Checks a built Debian package: lintian finds no error, warning or information tag (such as a
# missing hardening flag; its pedantic notes are printed), the AppStream metadata and the desktop
# entries validate without a warning, the program, its manual page, metadata and changelog all
# carry the package's version, dpkg-shlibdeps found the libraries, and the package holds exactly
# the expected files and links.
#
#   tests/package_test.sh gyrotrak_VERSION_ARCH.deb
set -euo pipefail
deb=$1
work=$(mktemp -d /tmp/gyrotrak-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "lintian:"
# Its tags are printed, with its note that it runs as root left out.
report=$(lintian --fail-on error,warning,info --display-info --pedantic "$deb" 2>&1) &&
  status=0 || status=$?
grep -v '^running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian"

dpkg-deb -x "$deb" "$work/root"
echo "appstreamcli validate --no-net --pedantic:"
share=$work/root/usr/share
appstreamcli validate --no-net --pedantic "$share/metainfo/io.github.gyrotrak.Gyrotrak.metainfo.xml" ||
  fail "AppStream metadata"
echo "desktop-file-validate:"
for entry in applications/io.github.gyrotrak.Gyrotrak.desktop applications/gyrotrak.desktop \
  applications/screensavers/gyrotrak.desktop; do
  # It fails on errors only, and prints warnings and hints: warnings fail here, hints are shown.
  notes=$(desktop-file-validate "$share/$entry" 2>&1) || fail "$entry: $notes"
  [ -z "$notes" ] || echo "$notes" | sed "s|$share/||"
  ! grep -q ': warning: ' <<<"$notes" || fail "$entry has warnings"
done

version=$(dpkg-deb -f "$deb" Version)
"$work/root/usr/games/gyrotrak" --version | grep -qx "gyrotrak $version" || fail "--version"
zcat "$share/man/man6/gyrotrak.6.gz" | head -n 1 | grep -q "\"Gyrotrak $version\"" ||
  fail "manual page header"
grep -q "<release version=\"$version\"" "$share/metainfo/io.github.gyrotrak.Gyrotrak.metainfo.xml" ||
  fail "metainfo release"
zcat "$share/doc/gyrotrak/changelog.gz" | head -n 1 | grep -q "^gyrotrak ($version)" ||
  fail "changelog"
dpkg-deb -f "$deb" Depends | grep -q 'libglut' || fail "Depends without the GLUT library"

expected='usr/games/gyrotrak
usr/libexec/xscreensaver/gyrotrak -> ../../games/gyrotrak
usr/share/applications/gyrotrak.desktop
usr/share/applications/io.github.gyrotrak.Gyrotrak.desktop
usr/share/applications/screensavers/gyrotrak.desktop
usr/share/doc/gyrotrak/changelog.gz
usr/share/doc/gyrotrak/copyright
usr/share/gyrotrak/earthCloudsBW_256.bmp
usr/share/gyrotrak/font.bmp
usr/share/icons/hicolor/128x128/apps/gyrotrak.png
usr/share/icons/hicolor/16x16/apps/gyrotrak.png
usr/share/icons/hicolor/24x24/apps/gyrotrak.png
usr/share/icons/hicolor/256x256/apps/gyrotrak.png
usr/share/icons/hicolor/32x32/apps/gyrotrak.png
usr/share/icons/hicolor/48x48/apps/gyrotrak.png
usr/share/icons/hicolor/64x64/apps/gyrotrak.png
usr/share/man/man6/gyrotrak.6.gz
usr/share/metainfo/io.github.gyrotrak.Gyrotrak.metainfo.xml
usr/share/xscreensaver/config/gyrotrak.xml'
# Links with their targets.
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6, $7, $8 }' |
  sed 's/ *$//' | sort)
[ "$files" = "$expected" ] || fail "the package's files:"$'\n'"$files"
for size in 16 24 32 48 64 128 256; do
  file -b "$share/icons/hicolor/${size}x$size/apps/gyrotrak.png" | grep -q "^PNG image data, $size x $size," ||
    fail "the ${size}x$size icon is no PNG of that size"
done
echo "package $(basename "$deb"): lintian, AppStream, desktop entries, versions and files fine"
