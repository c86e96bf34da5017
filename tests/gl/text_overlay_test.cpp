#include "text/text_overlay.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/gl/glyph_feedback.h"
#include "window/window.h"

// drawText on the program's 1024 x 768 window, asked through feedback mode and glGet.

using gltest::drawnQuads;
using gltest::textOf;

namespace {

void expectCorner(const gltest::FeedbackVertex& v, float x, float y, float s, float t) {
  EXPECT_FLOAT_EQ(v.x, x);
  EXPECT_FLOAT_EQ(v.y, y);
  EXPECT_NEAR(v.s, s, 1e-6);
  EXPECT_NEAR(v.t, t, 1e-6);
}

// What the 3-D scene leaves behind: a letterbox viewport, a perspective projection and a moved
// model-view.
void poseLikeTheScene() {
  glViewport(0, 100, 1024, 568);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-1, 1, -0.6, 0.6, 0.1, 100);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(3, -2, -10);
  glRotatef(30, 0, 1, 0);
}

}  // namespace

TEST(DrawText, LetterAIsOneQuadInWindowPixelsOnItsCell) {
  ASSERT_EQ(windowWidth, 1024);
  ASSERT_EQ(windowHeight, 768);
  poseLikeTheScene();
  textOverlay.textColor[1] = 0.5f;
  const auto quads = drawnQuads([] { textOverlay.drawText("A", 10, 25, 20); });
  ASSERT_EQ(quads.size(), 1u);
  ASSERT_EQ(quads[0].vertices.size(), 4u);
  expectCorner(quads[0].vertices[0], 10, 743, 0.0725f, 0.615f);
  expectCorner(quads[0].vertices[1], 20, 743, 0.135f, 0.615f);
  expectCorner(quads[0].vertices[2], 23, 763, 0.135f, 0.74f);
  expectCorner(quads[0].vertices[3], 13, 763, 0.0725f, 0.74f);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].r, 1.0f);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].g, 0.5f);
  EXPECT_FLOAT_EQ(quads[0].vertices[0].a, 1.0f);
}

TEST(DrawText, GlyphsOfSize20Start9PixelsApart) {
  const auto quads = drawnQuads([] { textOverlay.drawText("Fog!", 100, 400, 20); });
  ASSERT_EQ(quads.size(), 4u);
  EXPECT_EQ(textOf(quads), "Fog!");
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(quads[i].vertices[0].x, 100 + 9 * i);
    EXPECT_FLOAT_EQ(quads[i].vertices[0].y, 368);
  }
}

TEST(DrawText, EmptyTextDrawsNothingButBecomesTheMessageLine) {
  textOverlay.drawText("Pause", 10, 25, 20);
  const auto quads = drawnQuads([] { textOverlay.drawText("", 300, 200, 20); });
  EXPECT_TRUE(quads.empty());
  EXPECT_EQ(textOverlay.lastX, 300);
  EXPECT_EQ(textOverlay.lastY, 200);
  EXPECT_STREQ(textOverlay.messageText, "");
}

TEST(DrawText, RecordsTheCallNotThePenAndOnlyWhileRemembering) {
  textOverlay.drawText("Fog On", 40, 60, 20);
  EXPECT_EQ(textOverlay.lastX, 40);
  EXPECT_EQ(textOverlay.lastY, 60);
  EXPECT_STREQ(textOverlay.messageText, "Fog On");

  textOverlay.rememberText = 0;
  const auto quads = drawnQuads([] { textOverlay.drawText("Heading  90", 10, 50, 20); });
  EXPECT_EQ(textOf(quads), "Heading  90");
  EXPECT_EQ(textOverlay.lastX, 40);
  EXPECT_EQ(textOverlay.lastY, 60);
  EXPECT_STREQ(textOverlay.messageText, "Fog On");
}

TEST(DrawText, DrawsALongTextWholeButKeeps79Characters) {
  const std::string text(100, 'W');
  const auto quads = drawnQuads([&] { textOverlay.drawText(text.c_str(), 0, 25, 20); });
  EXPECT_EQ(quads.size(), 100u);
  EXPECT_EQ(std::strlen(textOverlay.messageText), 79u);
}

TEST(DrawText, StaysFilledInLineAndPointModesAndPutsTheModeBack) {
  const GLenum modes[][2] = {{GL_LINE, GL_LINE}, {GL_POINT, GL_POINT}, {GL_LINE, GL_POINT}};
  for (const auto& mode : modes) {
    SCOPED_TRACE(mode[0]);
    glPolygonMode(GL_FRONT, mode[0]);
    glPolygonMode(GL_BACK, mode[1]);
    const auto quads = drawnQuads([] { textOverlay.drawText("Lines", 10, 25, 20); });
    ASSERT_EQ(quads.size(), 5u);
    for (const auto& quad : quads) {
      EXPECT_EQ(quad.token, static_cast<GLenum>(GL_POLYGON_TOKEN));
      EXPECT_EQ(quad.vertices.size(), 4u);
    }
    GLint after[2];
    glGetIntegerv(GL_POLYGON_MODE, after);
    EXPECT_EQ(after[0], static_cast<GLint>(mode[0]));
    EXPECT_EQ(after[1], static_cast<GLint>(mode[1]));
  }
}

TEST(DrawText, ReturnsToTheProgramDefaultsAndLeavesTheSceneSwitchesAlone) {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_FOG);
  glBlendFunc(GL_ONE, GL_ONE);
  glAlphaFunc(GL_LESS, 0.5f);
  poseLikeTheScene();
  GLfloat modelviewBefore[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelviewBefore);

  textOverlay.drawText("State", 10, 25, 20);

  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  GLint value = 0;
  glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
  EXPECT_EQ(value, GL_GREATER);
  GLfloat ref = -1;
  glGetFloatv(GL_ALPHA_TEST_REF, &ref);
  EXPECT_EQ(ref, 0.0f);
  glGetIntegerv(GL_BLEND_SRC, &value);
  EXPECT_EQ(value, GL_SRC_ALPHA);
  glGetIntegerv(GL_BLEND_DST, &value);
  EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
  GLboolean depthMask = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
  EXPECT_TRUE(depthMask);

  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_FOG));

  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[1], 100);
  EXPECT_EQ(viewport[3], 568);
  glGetIntegerv(GL_MATRIX_MODE, &value);
  EXPECT_EQ(value, GL_MODELVIEW);
  GLfloat modelview[16], projection[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(modelview[i], modelviewBefore[i]) << i;
  // Left orthographic over the window: x 0..1024 and y 0..768 map to -1..1.
  EXPECT_FLOAT_EQ(projection[0], 2.0f / 1024);
  EXPECT_FLOAT_EQ(projection[5], 2.0f / 768);
  EXPECT_FLOAT_EQ(projection[10], -1.0f);
  EXPECT_FLOAT_EQ(projection[12], -1.0f);
  EXPECT_FLOAT_EQ(projection[13], -1.0f);
  EXPECT_FLOAT_EQ(projection[15], 1.0f);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// With the alpha test and blending switched off for a call, drawText touches neither.
TEST(DrawText, LeavesTheAlphaTestAndBlendingAloneWhenTheirFlagsAreOff) {
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  glAlphaFunc(GL_LESS, 0.5f);
  textOverlay.alphaTestOn = 0;
  textOverlay.blendOn = 0;
  textOverlay.drawText("Flat", 10, 25, 20);
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  GLint value = 0;
  glGetIntegerv(GL_BLEND_SRC, &value);
  EXPECT_EQ(value, GL_ONE);
  glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
  EXPECT_EQ(value, GL_LESS);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
