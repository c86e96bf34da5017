#pragma once

// Whether a buffer swap kept the picture, judged from a few lines of pixels: four rows and four
// columns spread over the window, read from the finished picture just before the swap and from
// the back buffer just after it. Reading them costs well under a millisecond, against several
// for copying the whole picture.

#include <cstdint>

constexpr int sampleLineCount = 8;
constexpr int maxSampleLineLength = 8192;  // longer rows and columns are read in part
constexpr int maxSamplePixels = sampleLineCount * maxSampleLineLength;

// A row (height 1) or a column (width 1) of pixels, (0, 0) at the bottom-left.
struct SampleLine {
  int x, y, width, height;
};

// Where the lines sit in a width x height window: rows at 1/8, 3/8, 5/8 and 7/8 of the height,
// columns at the same fractions of the width. pixels is their total; 0 for an empty window.
struct SampleLayout {
  SampleLine lines[sampleLineCount];
  int pixels;
};
SampleLayout sampleLayout(int width, int height);

// Whether the back buffer after the swap holds every sampled pixel of the picture shown, each
// sample pixels long. A buffer that holds an older picture or a fresh one can pass where they
// match the picture shown at every sample; the next frame, drawn over it, then differs from
// the one drawn over the picture shown only where no sample could tell them apart.
bool swapKeptPicture(const std::uint32_t* shown, const std::uint32_t* after, int pixels);
