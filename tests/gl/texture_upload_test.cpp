// Both ways a texture is made from an image: the BMP loader and the generated sprites.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "base/random.h"
#include "tests/unit/bmp_bytes.h"
#include "textures/bmp_decoder.h"
#include "textures/bmp_texture.h"
#include "textures/procedural_texture.h"

namespace {

std::vector<unsigned char> levelTexels(GLuint name, int level, int side) {
  std::vector<unsigned char> texels(static_cast<size_t>(side) * side * 4);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  return texels;
}

GLint textureParameter(GLenum parameter) {
  GLint value = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
  return value;
}

GLint levelWidth(int level) {
  GLint width = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
  return width;
}

GLint integer(GLenum what) {
  GLint value = 0;
  glGetIntegerv(what, &value);
  return value;
}

GLint textureEnvMode() {
  GLint mode = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
  return mode;
}

// Loads bytes from a temporary file.
GLuint loadBytes(const std::vector<unsigned char>& bytes, int size, int alphaValue,
                 int alphaThreshold, bool mipmapped) {
  const std::string path = bmptest::writeTemporaryFile(bytes);
  EXPECT_FALSE(path.empty());
  const GLuint name = loadDataTexture(path.c_str(), size, alphaValue, alphaThreshold, mipmapped);
  bmptest::removeTemporaryFile(path);
  return name;
}

void expectLinearWithoutMipmaps() {
  EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
  EXPECT_EQ(levelWidth(1), 0);
}

}  // namespace

TEST(TextureUpload, BmpWithoutMipmapsHoldsTheDecodedTexelsAndStaysBound) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  const bmptest::Picture picture = bmptest::numberedPicture(128);
  const std::vector<unsigned char> file = bmptest::bmpBytes(picture);
  const GLuint name = loadBytes(file, 128, -1, 0, false);
  ASSERT_NE(name, 0u);
  EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(name));
  EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 1);
  EXPECT_EQ(textureEnvMode(), GL_MODULATE);
  expectLinearWithoutMipmaps();
  EXPECT_EQ(levelWidth(0), 128);

  std::vector<unsigned char> decoded;
  ASSERT_TRUE(decodeBmp(file.data(), file.size(), 128, -1, 0, decoded));
  const std::vector<unsigned char> texels = levelTexels(name, 0, 128);
  EXPECT_EQ(texels, decoded);
  // The picture's top-left pixel at (0, 0), its bottom-left at t = 1 - 1/128.
  EXPECT_EQ(texels[0], picture.at(0, 0)[0]);
  EXPECT_EQ(texels[1], picture.at(0, 0)[1]);
  EXPECT_EQ(texels[127 * 128 * 4 + 1], picture.at(0, 127)[1]);

  // Data after the pixels, however much, is not the image's and is never read.
  std::vector<unsigned char> trailing = file;
  trailing.resize((16u << 20) + 1, 0xAB);
  const GLuint withTrailing = loadBytes(trailing, 128, -1, 0, false);
  ASSERT_NE(withTrailing, 0u);
  EXPECT_EQ(levelTexels(withTrailing, 0, 128), decoded);
  // Cut short inside its pixels: the loader reads what is there, as the decoder would.
  const std::vector<unsigned char> cut(file.begin(), file.end() - 1000);
  ASSERT_TRUE(decodeBmp(cut.data(), cut.size(), 128, -1, 0, decoded));
  EXPECT_EQ(levelTexels(loadBytes(cut, 128, -1, 0, false), 0, 128), decoded);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(TextureUpload, MipmappedBmpGetsTheWholeChain) {
  const bmptest::Picture picture = bmptest::numberedPicture(256);
  const std::vector<unsigned char> file = bmptest::bmpBytes(picture);
  const GLuint name = loadBytes(file, 256, 255, 0, true);
  ASSERT_NE(name, 0u);
  EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
  EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
  for (int level = 0; level <= 8; ++level) EXPECT_EQ(levelWidth(level), 256 >> level) << level;

  std::vector<unsigned char> decoded;
  ASSERT_TRUE(decodeBmp(file.data(), file.size(), 256, 255, 0, decoded));
  EXPECT_EQ(levelTexels(name, 0, 256), decoded);
  const std::vector<unsigned char> smallest = levelTexels(name, 8, 1);
  EXPECT_EQ(smallest[3], 255);  // opaque all the way down
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(TextureUpload, UnusableFilesGiveNameZeroAndCreateNoTexture) {
  const bmptest::Picture picture = bmptest::numberedPicture(128);
  bmptest::Header wrongDepth;
  wrongDepth.bitsPerPixel = 32;
  bmptest::Header compressed;
  compressed.compression = 1;
  std::vector<std::vector<unsigned char>> files = {
      bmptest::bmpBytes(picture, wrongDepth), bmptest::bmpBytes(picture, compressed),
      bmptest::bmpBytes(bmptest::numberedPicture(64)),  // another size
      std::vector<unsigned char>(20, 'B')};

  GLuint before = 0;
  glGenTextures(1, &before);
  glBindTexture(GL_TEXTURE_2D, before);
  int refused = 0;
  for (const auto& file : files) refused += loadBytes(file, 128, -1, 0, false) == 0;
  EXPECT_EQ(refused, static_cast<int>(files.size()));
  EXPECT_EQ(loadDataTexture("/nonexistent/font.bmp", 128, -1, 0, false), 0u);
  EXPECT_EQ(loadDataTexture("/tmp", 128, -1, 0, false), 0u);  // a folder is no image file
  // A FIFO by the image's name is refused at once instead of blocking until someone writes.
  const std::string fifo = bmptest::writeTemporaryFile({}, "placeholder");
  const std::string fifoPath = fifo.substr(0, fifo.rfind('/')) + "/font.bmp";
  ASSERT_EQ(mkfifo(fifoPath.c_str(), 0600), 0);
  EXPECT_EQ(loadDataTexture(fifoPath.c_str(), 128, -1, 0, false), 0u);
  std::remove(fifoPath.c_str());
  bmptest::removeTemporaryFile(fifo);

  // No name was taken in between, and the binding is untouched.
  GLuint after = 0;
  glGenTextures(1, &after);
  EXPECT_EQ(after, before + 1);
  EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(before));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(TextureUpload, ProceduralTexturesHoldTheirPatternWithLinearFilters) {
  std::vector<unsigned char> image(spriteBytes);
  for (int pattern : {glowPattern, cloudPuffPattern, pillowPattern}) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    seedRandom(99);
    const GLuint name = makeProceduralTexture(pattern);
    ASSERT_NE(name, 0u);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(name));
    EXPECT_EQ(textureEnvMode(), GL_MODULATE);
    expectLinearWithoutMipmaps();
    seedRandom(99);
    fillProceduralImage(pattern, image.data());
    EXPECT_EQ(levelTexels(name, 0, spriteSide), image) << "pattern " << pattern;
  }
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
