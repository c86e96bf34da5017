#include "textures/flare_texture.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "base/random.h"
#include "textures/flare_image.h"
#include "textures/procedural_texture.h"

TEST(FlareTexture, EachCallReplacesTheTextureWithTheNextFlareImage) {
  const GLuint flare = makeProceduralTexture(glowPattern);
  const GLuint other = makeProceduralTexture(pillowPattern);  // leaves other bound
  auto expected = std::make_unique<FlareState>();
  std::memset(expected.get(), 0, sizeof(FlareState));
  std::vector<unsigned char> texels(flareBytes);

  for (int step = 0; step < 3; ++step) {
    seedRandom(31);
    stepFlareImage(*expected);
    seedRandom(31);
    animateFlareTexture(flare);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, static_cast<GLint>(flare));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    ASSERT_EQ(0, std::memcmp(texels.data(), expected->image, flareBytes)) << "step " << step;
  }
  GLint filter = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  EXPECT_EQ(filter, GL_LINEAR);

  // The other texture keeps its pillow.
  glBindTexture(GL_TEXTURE_2D, other);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  EXPECT_EQ(texels[(96 * 128 + 96) * 4], 63);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
