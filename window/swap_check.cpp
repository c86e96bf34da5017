#include "window/swap_check.h"

namespace {

int limited(int length) {
  return length < maxSampleLineLength ? length : maxSampleLineLength;
}

}  // namespace

SampleLayout sampleLayout(int width, int height) {
  SampleLayout layout = {};
  if (width <= 0 || height <= 0) return layout;
  for (int k = 0; k < 4; ++k) {
    layout.lines[k] = {0, height * (2 * k + 1) / 8, limited(width), 1};
    layout.lines[4 + k] = {width * (2 * k + 1) / 8, 0, 1, limited(height)};
  }
  for (const SampleLine& line : layout.lines) layout.pixels += line.width * line.height;
  return layout;
}

bool swapKeptPicture(const std::uint32_t* shown, const std::uint32_t* after, int pixels) {
  for (int i = 0; i < pixels; ++i)
    if (after[i] != shown[i]) return false;
  return true;
}
