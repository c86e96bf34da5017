#include "frame/scene_resources.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "app/startup.h"
#include "ride/track.h"
#include "tests/gl/gl_context.h"
#include "text/text_overlay.h"
#include "textures/data_files.h"
#include "textures/texture_table.h"

namespace {

int texelAt(GLuint name, int c, int r) {
  std::vector<unsigned char> texels(128 * 128 * 4);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  return texels[(r * 128 + c) * 4];
}

GLint levelWidth(GLuint name, int level) {
  GLint width = 0;
  glBindTexture(GL_TEXTURE_2D, name);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
  return width;
}

}  // namespace

TEST(SceneResources, StartUpMakesTheSixTexturesInOrderAndReleaseDeletesThem) {
  textOverlay.alphaTestOn = 0;
  textOverlay.blendOn = 0;
  gltest::startProgram();
  ASSERT_EQ(textureCount, 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_NE(textureTable[i], 0u) << i;
    EXPECT_TRUE(glIsTexture(textureTable[i])) << i;
  }
  EXPECT_EQ(textOverlay.fontTexture, textureTable[0]);
  EXPECT_EQ(textureTable[flareTextureEntry], textureTable[2]);
  EXPECT_EQ(track.texture, textureTable[trackTextureEntry]);
  EXPECT_EQ(globeTexture, textureTable[5]);

  EXPECT_EQ(levelWidth(textureTable[0], 0), 128);
  EXPECT_EQ(levelWidth(textureTable[0], 1), 0);  // the font has no mipmaps
  // Codes from 160 up sample below t = 0 and show the glyphs of rows 0 to 7 only if the font
  // repeats.
  GLint wrap[2];
  glBindTexture(GL_TEXTURE_2D, textureTable[0]);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap[0]);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap[1]);
  EXPECT_EQ(wrap[0], GL_REPEAT);
  EXPECT_EQ(wrap[1], GL_REPEAT);
  EXPECT_EQ(texelAt(textureTable[2], 64, 64), 255);  // glows
  EXPECT_EQ(texelAt(textureTable[2], 64, 32), 191);
  EXPECT_EQ(texelAt(textureTable[3], 64, 32), 191);
  EXPECT_EQ(texelAt(textureTable[4], 96, 96), 63);  // pillow
  EXPECT_EQ(levelWidth(textureTable[5], 0), 256);
  EXPECT_EQ(levelWidth(textureTable[5], 8), 1);  // the globe is mipmapped
  EXPECT_EQ(textOverlay.alphaTestOn, 1);
  EXPECT_EQ(textOverlay.blendOn, 1);

  glBindTexture(GL_TEXTURE_2D, 0);
  releaseSceneResources();
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(glIsTexture(textureTable[i])) << i;
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(SceneResources, WithoutTheImageFilesOnlyTheirEntriesAreZero) {
  char directory[] = "/tmp/gyrotrak-empty-XXXXXX";
  ASSERT_NE(mkdtemp(directory), nullptr);
  ASSERT_EQ(chdir(directory), 0);
  setDataFolders({});  // nor anywhere else
  ASSERT_TRUE(initialise());
  ASSERT_EQ(chdir("/"), 0);
  rmdir(directory);

  ASSERT_EQ(textureCount, 6);
  EXPECT_EQ(textureTable[0], 0u);
  EXPECT_EQ(textureTable[5], 0u);
  EXPECT_EQ(globeTexture, 0u);
  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(glIsTexture(textureTable[i])) << i;

  releaseSceneResources();  // the two zero entries are ignored
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(glIsTexture(textureTable[i])) << i;
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
