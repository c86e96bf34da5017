// The two images in data/ as the program loads them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "textures/bmp_decoder.h"

namespace {

std::vector<unsigned char> readDataFile(const char* name) {
  std::vector<unsigned char> bytes;
  const std::string path = std::string(GYROTRAK_DATA_DIR) + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    bytes.push_back(static_cast<unsigned char>(c));
  }
  std::fclose(file);
  return bytes;
}

// Brightness alpha of the font texel in cell (column, row) at x across and line down from the
// top of the glyph as it shows on screen.
int fontAlpha(const std::vector<unsigned char>& rgba, int code, int x, int line) {
  const int index = code - 32;
  const int s = (index % 16) * 8 + x;
  // Cell row r spans the stored rows 16r .. 16r + 15, which the loader puts at the top of t.
  const int t = 127 - ((index / 16) * 16 + line);
  return rgba[(t * 128 + s) * 4 + 3];
}

int inkIn(const std::vector<unsigned char>& rgba, int code) {
  int ink = 0;
  for (int line = 0; line < 16; ++line) {
    for (int x = 0; x < 8; ++x) ink += fontAlpha(rgba, code, x, line);
  }
  return ink;
}

// The line, counted from the glyph's top, with the most ink.
int inkiestLine(const std::vector<unsigned char>& rgba, int code) {
  int best = 0, bestInk = -1;
  for (int line = 0; line < 16; ++line) {
    int ink = 0;
    for (int x = 0; x < 8; ++x) ink += fontAlpha(rgba, code, x, line);
    if (ink > bestInk) {
      best = line;
      bestInk = ink;
    }
  }
  return best;
}

}  // namespace

TEST(BmpDataFiles, FontCellsHoldTheirGlyphsClearOfTheSampledEdges) {
  const std::vector<unsigned char> file = readDataFile("font.bmp");
  ASSERT_EQ(file.size(), 54u + 128u * 128u * 3u);
  std::vector<unsigned char> rgba;
  ASSERT_TRUE(decodeBmp(file.data(), file.size(), 128, -1, 0, rgba));

  // Black or white only: the alpha comes from the brightness, and only white strokes are both
  // opaque and bright.
  for (size_t i = 3; i < rgba.size(); i += 4) ASSERT_TRUE(rgba[i] == 0 || rgba[i] == 255) << i;
  EXPECT_EQ(inkIn(rgba, ' '), 0);
  EXPECT_EQ(inkIn(rgba, 138), 0) << "the newline's glyph must leave no mark";
  for (int code = 127; code < 160; ++code) EXPECT_EQ(inkIn(rgba, code), 0) << code;
  for (int code = 33; code < 127; ++code) {
    EXPECT_GT(inkIn(rgba, code), 255) << "glyph " << char(code);
    // The renderer samples 1.28 texels right of and below each corner: columns 0 and 1 and
    // the top two lines show at the neighbours' edges and must stay dark. The bottom line
    // stays dark too, so help lines 16 pixels apart at size 18 do not touch.
    for (int line = 0; line < 16; ++line) {
      EXPECT_EQ(fontAlpha(rgba, code, 0, line) + fontAlpha(rgba, code, 1, line), 0)
          << char(code) << " line " << line;
    }
    for (int x = 0; x < 8; ++x) {
      for (int line : {0, 1, 15}) EXPECT_EQ(fontAlpha(rgba, code, x, line), 0) << char(code);
    }
  }
  // Upright glyphs: the bar of T lies in the upper half of its cell, the underscore low down.
  EXPECT_LT(inkiestLine(rgba, 'T'), 7);
  EXPECT_GT(inkiestLine(rgba, '_'), 11);
  EXPECT_GT(inkiestLine(rgba, 'T'), 1);  // below the top lines the neighbours see
}

TEST(BmpDataFiles, GlobePictureIsAnOpaqueGreyscaleMapWithDarkAndLightParts) {
  const std::vector<unsigned char> file = readDataFile("earthCloudsBW_256.bmp");
  ASSERT_EQ(file.size(), 54u + 256u * 256u * 3u);
  std::vector<unsigned char> rgba;
  ASSERT_TRUE(decodeBmp(file.data(), file.size(), 256, 255, 0, rgba));
  int dark = 0, light = 0;
  for (size_t i = 0; i < rgba.size(); i += 4) {
    ASSERT_TRUE(rgba[i] == rgba[i + 1] && rgba[i] == rgba[i + 2]);
    ASSERT_EQ(rgba[i + 3], 255);
    dark += rgba[i] < 60;
    light += rgba[i] > 200;
  }
  EXPECT_GT(dark, 256 * 256 / 10);   // open ocean
  EXPECT_GT(light, 256 * 256 / 10);  // clouds and ice
}
