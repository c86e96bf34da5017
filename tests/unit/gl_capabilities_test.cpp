#include <gtest/gtest.h>

#include "window/window_internal.h"

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
  // Only the whole name counts.
  EXPECT_FALSE(
      hasGlExtension("GL_ARB_framebuffer_object_x GL_EXT_bgra", "GL_ARB_framebuffer_object"));
  EXPECT_FALSE(hasGlExtension("XGL_ARB_framebuffer_object", "GL_ARB_framebuffer_object"));
}
