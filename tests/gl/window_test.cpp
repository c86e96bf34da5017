#include "window/window.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include "tests/gl/gl_context.h"

// The window the program opens at start: full screen, titled, double-buffered RGB with depth.
TEST(Window, OpensFullScreenDoubleBufferedWithDepth) {
  EXPECT_EQ(windowWidth, glutGet(GLUT_SCREEN_WIDTH));
  EXPECT_EQ(windowHeight, glutGet(GLUT_SCREEN_HEIGHT));
  EXPECT_EQ(glutGet(GLUT_WINDOW_DOUBLEBUFFER), 1);
  EXPECT_EQ(glutGet(GLUT_WINDOW_RGBA), 1);
  EXPECT_GT(glutGet(GLUT_WINDOW_DEPTH_SIZE), 0);
  EXPECT_GE(glutGet(GLUT_WINDOW_RED_SIZE), 8);
}

// The harness itself: feedback mode reports a quad, once reassembled, exactly as it was given.
TEST(Feedback, ReportsAQuadInTheOrderItWasGiven) {
  gltest::useWindowCoordinates(windowWidth, windowHeight);
  const auto quads = gltest::reassembleQuads(gltest::captureFeedback([] {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(10, 20);
    glTexCoord2f(1, 0);
    glVertex2f(30, 20);
    glTexCoord2f(1, 1);
    glVertex2f(30, 40);
    glTexCoord2f(0, 1);
    glVertex2f(10, 40);
    glEnd();
  }));
  ASSERT_EQ(quads.size(), 1u);
  ASSERT_EQ(quads[0].vertices.size(), 4u);
  const float expected[4][4] = {{10, 20, 0, 0}, {30, 20, 1, 0}, {30, 40, 1, 1}, {10, 40, 0, 1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(quads[0].vertices[i].x, expected[i][0]);
    EXPECT_FLOAT_EQ(quads[0].vertices[i].y, expected[i][1]);
    EXPECT_FLOAT_EQ(quads[0].vertices[i].s, expected[i][2]);
    EXPECT_FLOAT_EQ(quads[0].vertices[i].t, expected[i][3]);
  }
}

// Start-up hides the pointer at (450, 350), where the manual camera measures its offsets from,
// and sets the lighting defaults every lit drawing relies on.
TEST(Startup, HidesThePointerAtItsWarpPointAndSetsTheLightingDefaults) {
  gltest::startProgram();
  gltest::pumpEvents();
  EXPECT_EQ(glutGet(GLUT_WINDOW_CURSOR), GLUT_CURSOR_NONE);
  const auto pointer = gltest::pointerInWindow();
  EXPECT_EQ(pointer[0], 450);
  EXPECT_EQ(pointer[1], 350);

  EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
  GLint value;
  glGetIntegerv(GL_COLOR_MATERIAL_FACE, &value);
  EXPECT_EQ(value, GL_FRONT_AND_BACK);
  glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &value);
  EXPECT_EQ(value, GL_AMBIENT_AND_DIFFUSE);
  glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &value);
  EXPECT_EQ(value, 1);
  GLfloat shininess[2];
  glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess[0]);
  glGetMaterialfv(GL_BACK, GL_SHININESS, &shininess[1]);
  EXPECT_EQ(shininess[0], 50);
  EXPECT_EQ(shininess[1], 50);
  glGetIntegerv(GL_SHADE_MODEL, &value);
  EXPECT_EQ(value, GL_SMOOTH);
}
