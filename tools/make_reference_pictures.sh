#!/usr/bin/env bash
# Draws the reference pictures in tests/reference/ anew, with the frames and the renderer the
# test uses. Run it after a change that is meant to alter the picture, look at the pictures, and
# say in the commit what changed and why.
#
#   tools/make_reference_pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
ensure_packages $BUILD_PACKAGES $RUNTIME_PACKAGES $TEST_PACKAGES

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test --target gl_tests -j"$(nproc)" >/dev/null
. tools/virtual_display.sh
trap stop_virtual_display EXIT
start_virtual_display 1024x768
# Each picture in a process of its own, as ctest runs them.
for test in $(build/test/tests/gl_tests --gtest_list_tests --gtest_filter='Frames/ReferencePicture.*' |
              awk '/^  / { print $1 }'); do
  GYROTRAK_WRITE_REFERENCES=1 build/test/tests/gl_tests --gtest_filter="Frames/ReferencePicture.$test" \
    >/dev/null
done
ls -l tests/reference
