#!/usr/bin/env bash
# Rebuilds the program's two data images with the generator in tools/images:
#   tools/make_images.sh [OUTPUT_DIR]      (default: data/)
# font.bmp is drawn from the generator's own glyph table (tools/images/font_image.cpp);
# earthCloudsBW_256.bmp is made from the generator's own noise.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
ensure_packages $IMAGE_PACKAGES

output=$(realpath -m "${1:-data}")
mkdir -p "$output"
cmake -S tools/images -B build/images -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/images -j2 >/dev/null
build/images/make_images "$output"
