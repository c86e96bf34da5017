#include "frame/screen_overlay.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/program_exit.h"
#include "controls/reset.h"
#include "frame/frame.h"
#include "tests/gl/gl_context.h"
#include "window/window.h"
#include "window/window_internal.h"

// The black overlay and its three uses, read back from the real back buffer.

namespace {

// Far from the message line, the frame-rate line and the start-up title; in a frame with the
// widest letterbox it lies in the bottom bar (y below 230), where the 3-D scene never draws.
const int probeX = 900, probeY = 100;

void fillWindow(float r, float g, float b) {
  glClearColor(r, g, b, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glClearColor(0, 0, 0, 1);
}

int probeRed() {
  return gltest::readPixel(probeX, probeY)[0];
}

// What one overlay of the given opacity leaves of a channel at level.
int darkened(int level, float alpha) {
  return static_cast<int>(std::lround(level * (1 - alpha)));
}

int exitCalls = 0;
int keptAtExit = -1;
void recordExit(int) {
  ++exitCalls;
  keptAtExit = pictureResourcesHeld();
}

class ScreenOverlay : public ::testing::Test {
 protected:
  void SetUp() override {
    gltest::startProgram();
    setExitFunction(recordExit);
  }
  void TearDown() override { setExitFunction(nullptr); }

  // Pile-up mode: nothing but the fades touches the previous picture, so a white picture
  // under a frame reads back at the probe as what the fade stage made of it, whatever the
  // scene holds.
  void runFrameOverWhite(int ms) {
    params.fullBlanking = 0;
    params.blankIntensity = 1;
    params.letterbox = 6;
    forceClear = 0;
    fillWindow(1, 1, 1);
    elapsedMs = ms;
    frame();
  }
};

TEST_F(ScreenOverlay, MultipliesEveryPixelByOneMinusAlpha) {
  fillWindow(1, 1, 1);
  screenOverlay(0.33f);
  const auto grey = gltest::readPixel(probeX, probeY);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(grey[c], 255 * (1 - 0.33), 1.0);

  fillWindow(1, 0.5f, 0.2f);
  screenOverlay(0.5f);
  const auto colour = gltest::readPixel(10, 10);
  EXPECT_NEAR(colour[0], darkened(255, 0.5f), 1);
  EXPECT_NEAR(colour[1], darkened(128, 0.5f), 1);
  EXPECT_NEAR(colour[2], darkened(51, 0.5f), 1);
}

TEST_F(ScreenOverlay, AlphaOfOneOrMoreIsBlackAndZeroOrLessChangesNothing) {
  for (float alpha : {1.0f, 2.5f, 1e9f}) {
    fillWindow(1, 1, 1);
    screenOverlay(alpha);
    EXPECT_EQ(probeRed(), 0) << alpha;
  }
  for (float alpha : {0.0f, -0.5f, -1e9f, std::nanf("")}) {
    fillWindow(1, 0.5f, 0.2f);
    screenOverlay(alpha);
    const auto pixel = gltest::readPixel(probeX, probeY);
    EXPECT_EQ(pixel[0], 255) << alpha;
    EXPECT_EQ(pixel[1], 128) << alpha;
    EXPECT_EQ(pixel[2], 51) << alpha;
  }
  EXPECT_FLOAT_EQ(overlayOpacity(0.4f), 0.4f);
  EXPECT_FLOAT_EQ(overlayOpacity(std::nanf("")), 0);
}

// Letterbox 6 in 1024 x 768: the scene's viewport is y 230 to 537. The overlay still covers
// the bars, drawn filled while the scene is in line mode, and leaves the scene's settings.
TEST_F(ScreenOverlay, CoversTheLetterboxBarsAndPutsTheStateBack) {
  ASSERT_EQ(windowWidth, 1024);
  ASSERT_EQ(windowHeight, 768);
  params.letterbox = 6;
  glViewport(0, 230, 1024, 307);
  glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(1, 2, 3);
  fillWindow(1, 1, 1);

  screenOverlay(1);

  for (int y : {0, 100, 229, 400, 537, 700, 767})
    for (int x : {0, 512, 1023}) EXPECT_EQ(gltest::readPixel(x, y)[0], 0) << x << ", " << y;

  GLint viewport[4], polygonMode[2], matrixMode;
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[1], 230);
  EXPECT_EQ(viewport[3], 307);
  glGetIntegerv(GL_POLYGON_MODE, polygonMode);
  EXPECT_EQ(polygonMode[0], GL_LINE);
  EXPECT_EQ(polygonMode[1], GL_LINE);
  glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
  EXPECT_EQ(matrixMode, GL_MODELVIEW);
  GLfloat modelview[16], projection[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  EXPECT_FLOAT_EQ(modelview[12], 1);
  EXPECT_FLOAT_EQ(modelview[14], 3);
  // Orthographic over the window: x' = 2x / W - 1.
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  EXPECT_FLOAT_EQ(projection[0], 2.0f / 1024);
  EXPECT_FLOAT_EQ(projection[5], 2.0f / 768);
  EXPECT_FLOAT_EQ(projection[12], -1);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  GLboolean depthWrites = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_TRUE(depthWrites);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

// The overlay relies on the program's blend function and does not set its own: with
// GL_ONE / GL_ZERO the black quad replaces the picture whatever its opacity.
TEST_F(ScreenOverlay, UsesTheBlendFunctionItFinds) {
  glBlendFunc(GL_ONE, GL_ZERO);
  fillWindow(1, 1, 1);
  screenOverlay(0.1f);
  EXPECT_EQ(probeRed(), 0);
  GLint source, destination;
  glGetIntegerv(GL_BLEND_SRC, &source);
  glGetIntegerv(GL_BLEND_DST, &destination);
  EXPECT_EQ(source, GL_ONE);
  EXPECT_EQ(destination, GL_ZERO);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(ScreenOverlay, BlankingDependsOnTheModeAndTheFrameTime) {
  params.fullBlanking = 0;
  params.blankIntensity = 0.5f;
  frameDelta = 1.0f / 60;  // alpha 0.5 / 60 x 40 = 1/3
  fillWindow(1, 1, 1);
  blankPreviousPicture();
  EXPECT_NEAR(probeRed(), darkened(255, 1.0f / 3), 1);

  frameDelta = 0.05f;  // a clamped slow frame: alpha 1
  fillWindow(1, 1, 1);
  blankPreviousPicture();
  EXPECT_EQ(probeRed(), 0);

  params.blankIntensity = 1;  // pile-up: the picture stays
  fillWindow(1, 1, 1);
  blankPreviousPicture();
  EXPECT_EQ(probeRed(), 255);

  params.blankIntensity = 0.5f;
  params.fullBlanking = 1;  // the frame clears instead
  fillWindow(1, 1, 1);
  blankPreviousPicture();
  EXPECT_EQ(probeRed(), 255);
}

TEST_F(ScreenOverlay, FadesInOverTheFirstTwoSeconds) {
  runFrameOverWhite(0);
  EXPECT_EQ(probeRed(), 0);
  runFrameOverWhite(1000);  // alpha 0.5
  EXPECT_NEAR(probeRed(), 255 * 0.5, 1);
  runFrameOverWhite(1500);  // alpha 0.25
  EXPECT_NEAR(probeRed(), 255 * 0.75, 1);
  runFrameOverWhite(2000);
  EXPECT_EQ(probeRed(), 255);
}

TEST_F(ScreenOverlay, ExitFadesForTwoSecondsThenReleasesAndEnds) {
  gltest::pretendDriver(true, false);
  showPicture();  // what keeps the picture exists
  ASSERT_TRUE(pictureResourcesHeld());

  runFrameOverWhite(30000);
  exiting = 1;
  exitStartTime = 30;
  runFrameOverWhite(31000);
  EXPECT_NEAR(probeRed(), 255 * 0.5, 1);
  for (int ms = 31020; ms <= 32000; ms += 20) runFrameOverWhite(ms);
  EXPECT_EQ(exitCalls, 0);
  EXPECT_EQ(probeRed(), 0);  // alpha exactly 1 at 32

  runFrameOverWhite(32010);
  EXPECT_EQ(exitCalls, 1);
  EXPECT_EQ(keptAtExit, 0);  // released before the exit
}

// An exit asked for at 0.5 s waits for the fade-in to end; its fade then starts at alpha
// (2 - 0.5) / 2 and ends the program once 2 seconds have passed since the request.
TEST_F(ScreenOverlay, AnExitDuringTheFadeInShowsFromTheTwoSecondMark) {
  runFrameOverWhite(500);
  exiting = 1;
  exitStartTime = 0.5f;
  runFrameOverWhite(1000);
  EXPECT_NEAR(probeRed(), 255 * 0.5, 1);  // the fade-in's alpha, not the exit's
  runFrameOverWhite(2000);
  EXPECT_NEAR(probeRed(), darkened(255, 0.75f), 1);
  runFrameOverWhite(2500);
  EXPECT_EQ(exitCalls, 0);
  runFrameOverWhite(2520);
  EXPECT_EQ(exitCalls, 1);
}

// A second exit command sets the start 5 seconds back: the next frame ends the program, or,
// within the first 2 seconds, the first frame after them.
TEST_F(ScreenOverlay, ASecondExitCommandEndsAtTheNextFrame) {
  runFrameOverWhite(30000);
  exiting = 1;
  exitStartTime = elapsedTime;
  runFrameOverWhite(30020);
  exitStartTime = elapsedTime - 5;
  EXPECT_EQ(exitCalls, 0);
  runFrameOverWhite(30040);
  EXPECT_EQ(exitCalls, 1);

  exitCalls = 0;
  reset();
  runFrameOverWhite(400);
  exiting = 1;
  exitStartTime = elapsedTime;
  runFrameOverWhite(420);
  exitStartTime = elapsedTime - 5;
  runFrameOverWhite(1990);
  EXPECT_EQ(exitCalls, 0);
  runFrameOverWhite(2000);
  EXPECT_EQ(exitCalls, 1);
}

TEST_F(ScreenOverlay, AResetDuringTheExitFadeCancelsIt) {
  runFrameOverWhite(30000);
  exiting = 1;
  exitStartTime = 30;
  runFrameOverWhite(31500);
  EXPECT_NEAR(probeRed(), darkened(255, 0.75f), 1);
  reset();
  runFrameOverWhite(31520);
  EXPECT_EQ(probeRed(), 255);  // the picture is back at once
  for (int ms = 31540; ms <= 40000; ms += 500) runFrameOverWhite(ms);
  EXPECT_EQ(exitCalls, 0);
  EXPECT_EQ(probeRed(), 255);
}

}  // namespace
