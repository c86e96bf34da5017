// Makes the program's two data images:
//   make_images OUTPUT_DIR FONT_FILE
// writes OUTPUT_DIR/font.bmp (glyphs rendered from FONT_FILE) and
// OUTPUT_DIR/earthCloudsBW_256.bmp (a generated map). Same inputs, same bytes.
#include <cstdio>
#include <string>

#include "picture.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR FONT_FILE\n", argv[0]);
    return 2;
  }
  const std::string directory = argv[1];

  Picture font(128, 128);
  if (!makeFontPicture(argv[2], font)) {
    std::fprintf(stderr, "make_images: cannot render the font %s\n", argv[2]);
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
