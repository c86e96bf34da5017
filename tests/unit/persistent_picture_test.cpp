#include <gtest/gtest.h>

#include "window/gl_capabilities.h"
#include "window/picture_textures.h"

namespace {

void expectTiling(const PictureTiling& tiling, int tileWidth, int tileHeight, int columns,
                  int rows) {
  EXPECT_EQ(tiling.tileWidth, tileWidth);
  EXPECT_EQ(tiling.tileHeight, tileHeight);
  EXPECT_EQ(tiling.columns, columns);
  EXPECT_EQ(tiling.rows, rows);
}

}  // namespace

TEST(PictureTiling, OneTextureWhereItFits) {
  expectTiling(pictureTiling(1024, 768, true, 16384), 1024, 768, 1, 1);
  expectTiling(pictureTiling(1024, 768, false, 16384), 1024, 1024, 1, 1);
  expectTiling(pictureTiling(1920, 1080, false, 2048), 2048, 2048, 1, 1);
  expectTiling(pictureTiling(1, 1, false, 64), 1, 1, 1, 1);
}

TEST(PictureTiling, TilesWhereTheWindowExceedsTheLargestTexture) {
  expectTiling(pictureTiling(3840, 2160, false, 2048), 2048, 2048, 2, 2);
  expectTiling(pictureTiling(3840, 2160, true, 2048), 2048, 2048, 2, 2);
  expectTiling(pictureTiling(1024, 768, true, 300), 300, 300, 4, 3);
  // A limit that is no power of two gives the largest power of two below it.
  expectTiling(pictureTiling(1024, 768, false, 300), 256, 256, 4, 3);
  // Exactly the largest size: one tile, not two.
  expectTiling(pictureTiling(2048, 2048, false, 2048), 2048, 2048, 1, 1);
}

TEST(PictureTiling, NothingForAnEmptyWindowOrTooManyTiles) {
  expectTiling(pictureTiling(0, 768, true, 4096), 0, 0, 0, 0);
  expectTiling(pictureTiling(1024, -1, true, 4096), 0, 0, 0, 0);
  expectTiling(pictureTiling(1024, 768, true, 0), 0, 0, 0, 0);
  expectTiling(pictureTiling(1024, 768, true, 64), 0, 0, 0, 0);        // 16 x 12 tiles
  expectTiling(pictureTiling(1024, 1024, true, 256), 256, 256, 4, 4);  // the most allowed
}

TEST(AnySizeTextures, FromVersionTwoOrTheExtension) {
  EXPECT_TRUE(hasAnySizeTextures("4.5 (Compatibility Profile) Mesa 22.3.6", ""));
  EXPECT_TRUE(hasAnySizeTextures("2.1 Mesa 7.0", nullptr));
  EXPECT_FALSE(hasAnySizeTextures("1.5.0", "GL_ARB_multitexture GL_EXT_texture_env_add"));
  EXPECT_TRUE(hasAnySizeTextures("1.5.0", "GL_ARB_multitexture GL_ARB_texture_non_power_of_two"));
  EXPECT_TRUE(hasAnySizeTextures("1.4", "GL_ARB_texture_non_power_of_two GL_EXT_bgra"));
  // Only the whole name counts.
  EXPECT_FALSE(hasAnySizeTextures("1.4", "GL_ARB_texture_non_power_of_two_rect GL_EXT_bgra"));
  EXPECT_FALSE(hasAnySizeTextures("1.4", "XGL_ARB_texture_non_power_of_two"));
  EXPECT_FALSE(hasAnySizeTextures(nullptr, nullptr));
}

TEST(FramebufferNames, CoreFromThreeOrTheArbExtensionElseBothExtExtensions) {
  EXPECT_EQ(glVersionNumber("4.5 (Compatibility Profile) Mesa 22.3.6"), 45);
  EXPECT_EQ(glVersionNumber("10.2"), 102);
  EXPECT_EQ(glVersionNumber("OpenGL ES 3.2"), 0);
  EXPECT_EQ(framebufferNames("3.0 Mesa", nullptr), FramebufferNames::core);
  EXPECT_EQ(framebufferNames("2.1", "GL_ARB_framebuffer_object"), FramebufferNames::core);
  EXPECT_EQ(framebufferNames("2.1", "GL_EXT_framebuffer_blit GL_EXT_framebuffer_object"),
            FramebufferNames::ext);
  // Without blitting, framebuffer objects cannot copy the picture.
  EXPECT_EQ(framebufferNames("2.1", "GL_EXT_framebuffer_object"), FramebufferNames::none);
  EXPECT_EQ(framebufferNames(nullptr, nullptr), FramebufferNames::none);
}
