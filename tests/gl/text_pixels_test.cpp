#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/frame_clock.h"
#include "tests/gl/gl_context.h"
#include "text/text_overlay.h"
#include "textures/bmp_texture.h"

// What the message line puts on screen, read back with glReadPixels. The font is a test image:
// every cell a solid block except the space's, which is empty.

namespace {

const int fontSize = 128;
const std::array<unsigned char, 3> gold = {200, 160, 40};

// Inside the first glyph of "Press ? key" at (10, 25), size 20: only the P covers it.
const int glyphX = 15, glyphY = 750;
// Inside the space after "Press": its neighbours' slanted edges stay clear of it.
const int spaceX = 60, spaceY = 753;

bool inSpaceCell(int column, int rowFromTop) {
  return column < 8 && rowFromTop < 16;
}

// RGBA texels, bottom row first as OpenGL takes them; cell row 0 is the top 16 rows.
GLuint uploadSolidFont() {
  std::vector<unsigned char> texels(fontSize * fontSize * 4);
  for (int row = 0; row < fontSize; ++row) {
    for (int column = 0; column < fontSize; ++column) {
      unsigned char* texel = &texels[(row * fontSize + column) * 4];
      if (inSpaceCell(column, fontSize - 1 - row)) continue;  // transparent black
      texel[0] = gold[0];
      texel[1] = gold[1];
      texel[2] = gold[2];
      texel[3] = 255;
    }
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, fontSize, fontSize, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               texels.data());
  glBindTexture(GL_TEXTURE_2D, 0);
  return name;
}

void putLittleEndian(std::vector<unsigned char>& bytes, size_t at, unsigned value, int count) {
  for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// A 24-bit BMP with a 54-byte header, white blocks on black; the row stored first is the top
// of cell row 0.
std::string writeSolidFontBmp() {
  const unsigned pixelBytes = fontSize * fontSize * 3;
  std::vector<unsigned char> file(54 + pixelBytes, 0);
  file[0] = 'B';
  file[1] = 'M';
  putLittleEndian(file, 2, static_cast<unsigned>(file.size()), 4);
  putLittleEndian(file, 10, 54, 4);
  putLittleEndian(file, 14, 40, 4);
  putLittleEndian(file, 18, fontSize, 4);
  putLittleEndian(file, 22, fontSize, 4);
  putLittleEndian(file, 26, 1, 2);
  putLittleEndian(file, 28, 24, 2);
  putLittleEndian(file, 34, pixelBytes, 4);
  for (int stored = 0; stored < fontSize; ++stored) {
    for (int column = 0; column < fontSize; ++column) {
      const unsigned char level = inSpaceCell(column, stored) ? 0 : 255;
      for (int c = 0; c < 3; ++c) file[54 + (stored * fontSize + column) * 3 + c] = level;
    }
  }
  char directory[] = "/tmp/gyrotrak-font-XXXXXX";
  if (mkdtemp(directory) == nullptr) return "";
  const std::string path = std::string(directory) + "/font.bmp";
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return "";
  std::fwrite(file.data(), 1, file.size(), out);
  std::fclose(out);
  return path;
}

void drawHelpHintOnBlack() {
  // Mesa sizes the back buffer to the full-screen window only at the first swap.
  glutSwapBuffers();
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  elapsedTime = 1.0f;
  textOverlay.postMessage("Press ? key for Help Screen");
  glClear(GL_COLOR_BUFFER_BIT);  // only the message line's own redraw remains
  textOverlay.drawMessageLine();
}

void expectRgb(int x, int y, std::array<unsigned char, 3> rgb) {
  const auto pixel = gltest::readPixel(x, y);
  EXPECT_EQ(pixel[0], rgb[0]) << "at " << x << ", " << y;
  EXPECT_EQ(pixel[1], rgb[1]) << "at " << x << ", " << y;
  EXPECT_EQ(pixel[2], rgb[2]) << "at " << x << ", " << y;
}

void expectTopLeftHintIn(std::array<unsigned char, 3> colour) {
  const std::array<unsigned char, 3> black = {0, 0, 0};
  expectRgb(glyphX, glyphY, colour);
  expectRgb(spaceX, spaceY, black);
  expectRgb(glyphX, 766, black);  // above the glyphs' top edge at 763
  expectRgb(glyphX, 738, black);  // below their bottom edge at 743
  expectRgb(600, glyphY, black);  // past the end of the line
}

}  // namespace

TEST(TextPixels, MessageLineGlyphsAreLitInTheFontColourAtTheTopLeft) {
  textOverlay.fontTexture = uploadSolidFont();
  drawHelpHintOnBlack();
  expectTopLeftHintIn(gold);
}

TEST(TextPixels, TextColourTintsTheFont) {
  textOverlay.fontTexture = uploadSolidFont();
  textOverlay.textColor[1] = 0.5f;
  textOverlay.textColor[2] = 0.0f;
  drawHelpHintOnBlack();
  const auto pixel = gltest::readPixel(glyphX, glyphY);
  EXPECT_EQ(pixel[0], 200);
  EXPECT_NEAR(pixel[1], 80, 1);
  EXPECT_EQ(pixel[2], 0);
}

// Without a font every glyph, the space included, is a solid block in the text colour.
TEST(TextPixels, WithoutAFontGlyphsAreSolidBlocks) {
  textOverlay.fontTexture = 0;
  drawHelpHintOnBlack();
  const std::array<unsigned char, 3> white = {255, 255, 255};
  expectRgb(glyphX, glyphY, white);
  expectRgb(spaceX, spaceY, white);
  expectRgb(glyphX, 766, {0, 0, 0});
}

TEST(TextPixels, FontLoadedFromABmpFileLightsTheGlyphs) {
  const std::string path = writeSolidFontBmp();
  ASSERT_FALSE(path.empty());
  const GLuint font = loadDataTexture(path.c_str(), fontSize, -1, 0, false);
  std::remove(path.c_str());
  rmdir(path.substr(0, path.rfind('/')).c_str());
  ASSERT_NE(font, 0u);
  textOverlay.fontTexture = font;
  drawHelpHintOnBlack();
  expectTopLeftHintIn({255, 255, 255});
}

// Glyph pixels of alpha 0.1 or less are dropped; the others blend in and leave the depth
// buffer alone, even with a depth test left on.
TEST(TextPixels, DropsAlphaUpToATenthAndWritesNoDepth) {
  textOverlay.fontTexture = uploadSolidFont();
  textOverlay.textColor[3] = 0.09f;
  drawHelpHintOnBlack();
  expectRgb(glyphX, glyphY, {0, 0, 0});

  textOverlay.textColor[3] = 0.12f;
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_ALWAYS);
  glClear(GL_DEPTH_BUFFER_BIT);
  drawHelpHintOnBlack();
  EXPECT_NEAR(gltest::readPixel(glyphX, glyphY)[0], 200 * 0.12, 1);
  GLfloat depth = 0;
  glReadPixels(glyphX, glyphY, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
  EXPECT_EQ(depth, 1.0f);
}
