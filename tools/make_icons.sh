#!/usr/bin/env bash
# Remakes the program's icons (dist/icons/gyrotrak-SIZE.png, 16 to 256 pixels) from the real
# program: the first picture of the README (seed 8, 25 seconds in) drawn again on a 2048 x 1536
# virtual screen, so that the largest icon needs no enlarging. The same command gives the same
# icons.
#
# From 48 pixels up the icon is the globe with the track's ribbon running into it, on the
# night sky, in a square with rounded corners. Smaller icons are a simpler cut: the globe alone
# as a disc with the ribbon's brightest strip across it, softened before it is shrunk and with
# its colours strengthened, so that its clouds do not turn into noise at 16 pixels.
#
#   tools/make_icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
ensure_packages $BUILD_PACKAGES $RUNTIME_PACKAGES $SCREENSHOT_PACKAGES

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target gyrotrak -j"$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd data && STILL_PICTURE_SCREEN=2048x1536 GYROTRAK_FPS=0 GYROTRAK_SEED=8 \
  GYROTRAK_CLOCK=17,25000 ../tools/still_picture.sh "$work/ride.png" ../build/release/gyrotrak)

# The globe's centre on that screen, and the squares cut round it (pixels); the globe is about
# 130 pixels across.
centre_x=1025 centre_y=766 wide=240 tight=150

# cut SIZE: the square of that size round the globe.
cut() { echo "$1x$1+$(( centre_x - $1 / 2 ))+$(( centre_y - $1 / 2 ))"; }

convert "$work/ride.png" -crop "$(cut $wide)" +repage -alpha set \
  \( +clone -alpha transparent -fill white -draw "roundrectangle 0,0,$(( wide - 1 )),$(( wide - 1 )),36,36" \) \
  -compose DstIn -composite "$work/wide.png"
convert "$work/ride.png" -crop "$(cut $tight)" +repage -alpha set \
  -blur 0x2.5 -modulate 120,150 -sigmoidal-contrast 3x40% \
  \( +clone -alpha transparent -fill white -draw "circle 74.5,74.5 74.5,3" \) \
  -compose DstIn -composite "$work/tight.png"

mkdir -p dist/icons
for size in 16 24 32 48 64 128 256; do
  if [ "$size" -le 32 ]; then source=tight sharpen="-unsharp 0x0.6"; else source=wide sharpen=; fi
  # Without the time chunks, the same picture gives the same file.
  convert "$work/$source.png" -filter Lanczos -resize "${size}x$size" $sharpen \
    -define png:exclude-chunk=date,time "dist/icons/gyrotrak-$size.png"
  echo "dist/icons/gyrotrak-$size.png"
done
