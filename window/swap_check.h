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

// What one swap showed. kept: the back buffer after the swap holds every sampled pixel of the
// picture shown. conclusive: it could not have looked kept by chance, because the picture shown
// has at least two colours among the samples (a buffer filled with one colour, such as a fresh
// black one, cannot match) and differs from the picture shown before it (a buffer holding the
// previous picture, as a flipping swap leaves, cannot match).
struct SwapVerdict {
  bool kept;
  bool conclusive;
};

// Judges the samples of the picture shown, of the one shown before it and of the back buffer
// after the swap, each pixels long.
SwapVerdict judgeSwap(const std::uint32_t* shown, const std::uint32_t* previous,
                      const std::uint32_t* after, int pixels);
