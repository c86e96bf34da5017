#!/usr/bin/env bash
# Remakes the README's pictures (docs/*.png) from the real program, on a virtual 1024 x 768
# screen at a fixed seed and a fixed clock, so that the same command gives the same pictures.
# The icons come from the first of them, drawn larger: tools/make_icons.sh.
#
#   tools/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
ensure_packages $BUILD_PACKAGES $RUNTIME_PACKAGES $SCREENSHOT_PACKAGES

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target gyrotrak -j"$(nproc)" >/dev/null
program=$PWD/build/release/gyrotrak
mkdir -p docs

# picture NAME SEED MILLISECONDS: the ride with that first track, that far in, at 60 frames a
# second (a step of 17 ms).
picture() {
  (cd data && GYROTRAK_FPS=0 GYROTRAK_SEED=$2 GYROTRAK_CLOCK=17,$3 ../tools/still_picture.sh "../docs/$1.png" "$program")
  echo "docs/$1.png"
}
picture ride 8 25000
picture ride-2 6 20000

