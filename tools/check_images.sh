#!/usr/bin/env bash
# Rebuilds the data images into a temporary folder and compares them byte for byte with the
# ones in data/. Exits non-zero when either differs.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tools/make_images.sh "$scratch"
status=0
for image in font.bmp earthCloudsBW_256.bmp; do
  if cmp -s "$scratch/$image" "data/$image"; then
    echo "$image: same as the generator makes"
  else
    echo "$image: differs from what the generator makes" >&2
    status=1
  fi
done
exit $status
