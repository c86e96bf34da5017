// Makes the program's two data images:
//   make_images OUTPUT_DIR
// writes OUTPUT_DIR/font.bmp (the project's own glyphs) and OUTPUT_DIR/earthCloudsBW_256.bmp
// (a generated map). Every run gives the same bytes.
#include <cstdio>
#include <string>

#include "picture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string directory = argv[1];

  Picture font(128, 128);
  if (!makeFontPicture(font)) {
    std::fprintf(stderr, "make_images: the glyph table is malformed\n");
    return 1;
  }
  // The loader shows the row stored first at the top of a glyph, so the grid goes in top row
  // first (an image viewer shows this file upside down).
  const std::string fontPath = directory + "/font.bmp";
  if (!writeGreyBmp(fontPath.c_str(), font, true)) {
    std::fprintf(stderr, "make_images: cannot write %s\n", fontPath.c_str());
    return 1;
  }

  // The loader puts the picture's top row at t = 0: an ordinary bottom-up file.
  const std::string earthPath = directory + "/earthCloudsBW_256.bmp";
  if (!writeGreyBmp(earthPath.c_str(), makeEarthPicture(256), false)) {
    std::fprintf(stderr, "make_images: cannot write %s\n", earthPath.c_str());
    return 1;
  }
  return 0;
}
