#pragma once

#include <vector>

// A greyscale picture, row 0 at the top as a person looks at it.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> grey;  // row-major, one byte a pixel

  Picture(int w, int h) : width(w), height(h), grey(static_cast<size_t>(w) * h, 0) {}
  unsigned char& at(int x, int y) { return grey[static_cast<size_t>(y) * width + x]; }
};

// Writes picture as an uncompressed 24-bit BMP with the 54-byte header. Rows are stored in
// the file's usual bottom-up order unless storeTopRowFirst, which stores row 0 first while
// keeping the positive height. Returns false when the file cannot be written.
bool writeGreyBmp(const char* path, const Picture& picture, bool storeTopRowFirst);

// The font grid: 16 x 8 cells of 8 x 16 pixels for codes 32 to 159, white glyphs on black.
// Row 0 of the picture is the top line of the first cell row. False if the glyph table is
// malformed.
bool makeFontPicture(Picture& picture);

// An earth-like greyscale map, longitude across and latitude down, north at the top.
Picture makeEarthPicture(int side);
