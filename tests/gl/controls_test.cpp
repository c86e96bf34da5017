// The keys, the pointer and the menu driven through their callbacks on the program's window,
// read back from the settings, the message line, the window and the frames that follow.

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/program_exit.h"
#include "controls/help_screen.h"
#include "controls/keyboard.h"
#include "controls/menu.h"
#include "controls/pointer.h"
#include "controls/special_keys.h"
#include "frame/frame.h"
#include "frame/projection.h"
#include "frame/ride_step.h"
#include "ride/camera.h"
#include "tests/gl/gl_context.h"
#include "text/text_overlay.h"

namespace {

int exitCalls = 0;
void recordExit(int) {
  ++exitCalls;
}

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    gltest::startProgram();
    setExitFunction(recordExit);
  }
  void TearDown() override { setExitFunction(nullptr); }

  static std::string press(unsigned char key, int times = 1) {
    for (int i = 0; i < times; ++i) keyboardCallback(key, 0, 0);
    return textOverlay.messageText;
  }
  static std::string pressSpecial(int key, int times = 1) {
    for (int i = 0; i < times; ++i) specialKeyCallback(key, 0, 0);
    return textOverlay.messageText;
  }
  static void runFrameAt(int ms) {
    elapsedMs = ms;
    frame();
  }
};

TEST_F(Controls, MessagesKeepTheirFormatsAndNewlines) {
  params.tesselation = 40;
  EXPECT_EQ(press('>'), "Tesselation: 40\n");
  EXPECT_EQ(press('l'), "Letterbox: 1");
  EXPECT_EQ(forceClear, 1);
  EXPECT_EQ(pressSpecial(GLUT_KEY_F12, 14), "Blanking Percentage: 100.00\n");
  EXPECT_EQ(params.fullBlanking, 1);
  EXPECT_EQ(pressSpecial(GLUT_KEY_F11), "Blanking Percentage: 95.00\n");
  EXPECT_EQ(params.fullBlanking, 0);

  // Arrows are recorded and nothing else.
  textOverlay.messageExpiry = 0;
  specialKeyCallback(GLUT_KEY_UP, 0, 0);
  specialKeyCallback(GLUT_KEY_LEFT, 0, 0);
  specialKeyUpCallback(GLUT_KEY_UP, 0, 0);
  EXPECT_EQ(heldArrows, 1);
  EXPECT_EQ(textOverlay.messageExpiry, 0);

  std::string shown;
  for (int i = 0; i < 9; ++i) shown += press('B') + " ";
  EXPECT_EQ(shown, "B: 2 B: 3 B: 4 B: 5 B: 6 B: 7 B: 0 B: 1 B: 2 ");
  EXPECT_EQ(press('N'), "B: 2");
  EXPECT_EQ(press('b'), "b: 3");
  EXPECT_EQ(forceClear, 0);  // any key withdraws a clear no frame has made yet
}

// An exit asked for at time 0 is still an exit; a second Esc or q ends at the next frame.
TEST_F(Controls, ExitFadesAndASecondCommandEndsAtTheNextFrame) {
  runFrameAt(0);
  helpShown = 1;
  press(27);
  EXPECT_EQ(helpShown, 0);
  for (int ms = 500; ms <= 2000; ms += 500) runFrameAt(ms);
  EXPECT_EQ(exitCalls, 0);
  runFrameAt(2020);
  EXPECT_EQ(exitCalls, 1);

  press('r');  // cancels
  runFrameAt(30000);
  press('q');
  runFrameAt(30020);
  EXPECT_EQ(exitCalls, 1);
  press('Q');
  runFrameAt(30040);
  EXPECT_EQ(exitCalls, 2);
}

TEST_F(Controls, FullScreenKeyGivesA512WindowAtOnceAndFullScreenAgain) {
  press('f');
  gltest::waitForWindowSize(512, 512);
  EXPECT_EQ(glutGet(GLUT_WINDOW_CURSOR), GLUT_CURSOR_LEFT_ARROW);
  EXPECT_EQ(press('v'), "Camera 2: Manual Mouse/Arrow Key Control");
  EXPECT_EQ(glutGet(GLUT_WINDOW_CURSOR), GLUT_CURSOR_NONE);
  EXPECT_EQ(press('v'), "Camera 1: Auto");
  EXPECT_EQ(glutGet(GLUT_WINDOW_CURSOR), GLUT_CURSOR_LEFT_ARROW);

  press('F');
  EXPECT_EQ(forceClear, 1);
  gltest::waitForWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
  EXPECT_EQ(glutGet(GLUT_WINDOW_CURSOR), GLUT_CURSOR_NONE);
}

TEST_F(Controls, APointerReportTurnsTheManualCameraEveryFrame) {
  pointerMotionCallback(460, 340);
  press('v');
  runFrameAt(3000);
  EXPECT_EQ(pointerMoved, 0);
  const float heading = camera.heading, pitch = camera.pitch;
  runFrameAt(3020);
  EXPECT_FLOAT_EQ(camera.heading, heading + 1);
  EXPECT_FLOAT_EQ(camera.pitch, pitch - 1);

  mouseButtonCallback(GLUT_LEFT_BUTTON, GLUT_UP, 450, 350);  // a report like any other
  runFrameAt(3040);
  EXPECT_FLOAT_EQ(camera.heading, heading + 1);
}

TEST_F(Controls, MenuEntriesHaveTheirOwnMessagesAndSideEffects) {
  menuCallback(6);
  EXPECT_STREQ(textOverlay.messageText, "Reset/Randomized");
  EXPECT_EQ(forceClear, 1);
  EXPECT_EQ(press('1'), "Image 1/1: ");
  EXPECT_EQ(press('5'), "Image 1/1: ");  // no message for 2 to 9
  EXPECT_EQ(params.imageIndex, 5);
  menuCallback(4);
  EXPECT_EQ(params.imageIndex, 0);
  EXPECT_STREQ(textOverlay.messageText, "No Image Options");
  menuCallback(2);
  EXPECT_STREQ(textOverlay.messageText, "Lights On");

  // Exit restarts its fade each time and leaves the help page.
  helpShown = 1;
  elapsedTime = 30;
  menuCallback(8);
  elapsedTime = 31;
  menuCallback(8);
  EXPECT_FLOAT_EQ(exitStartTime, 31);
  EXPECT_EQ(helpShown, 1);
}

// Thousands of presses either way (their settings changes, without drawing each message): the
// values stay finite, the stages run without an OpenGL error, and the projection keeps a depth
// range however far "{" has moved the eye.
TEST_F(Controls, UnboundedSettingsKeepTheFramesRendering) {
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 2000 + 2000 * round; ++i) {
      adjustForKey(round ? '[' : ']', params, camera, paused);
      adjustForKey(round ? '{' : '}', params, camera, paused);
      adjustForSpecialKey(round ? GLUT_KEY_PAGE_DOWN : GLUT_KEY_PAGE_UP, params);
    }
    for (float v : {params.objectSize, params.mainSpeed}) {
      EXPECT_TRUE(std::isfinite(v));
      EXPECT_TRUE(round ? v < 1e-37f : v > 1e37f) << v;  // where the steps stall
    }
    for (int ms = 3000; ms < 3100; ms += 20) runFrameAt(ms + round * 100);
    while (glGetError() != GL_NO_ERROR) {
    }
    setUpProjection();
    applyView();
    rideStep();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << round;
  }
  GLfloat projection[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  EXPECT_LT(params.cameraZ, -14);
  EXPECT_NEAR(projection[10], -3, 1e-3);  // the far plane at twice the near one
}

}  // namespace
