#include "controls/reset.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "base/frame_clock.h"
#include "base/parameters.h"
#include "base/random.h"
#include "base/scene_clock.h"
#include "controls/keyboard.h"
#include "ride/camera.h"

TEST(Reset, RestoresSettingsAndCancelsExitAndPause) {
  resetParameters(params);
  params.letterbox = 4;
  params.fullBlanking = 1;
  paused = 1;
  exiting = 1;
  exitStartTime = 30;
  brightness = 0.2f;
  forceClear = 1;
  glClearColor(1, 0, 0, 1);

  reset();

  EXPECT_EQ(params.letterbox, 0);
  EXPECT_EQ(params.fullBlanking, 0);
  EXPECT_EQ(paused, 0);
  EXPECT_EQ(exiting, 0);
  EXPECT_FLOAT_EQ(exitStartTime, 0);
  EXPECT_FLOAT_EQ(brightness, 1.0f);
  EXPECT_EQ(forceClear, 1);  // only the callers that reset by command ask for a clear
  GLfloat clear[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_EQ(clear[0], 0);
  EXPECT_EQ(clear[3], 1);
}

TEST(Reset, ReturnsTheFieldOfViewToAHundredWhateverTheBlockHeld) {
  reset();
  camera.fieldOfView = 37;
  params.fovDegrees = 37;
  camera.pitch = 12;
  camera.heading = 50;
  camera.position = {1, 2, 3};
  reset();
  EXPECT_FLOAT_EQ(camera.fieldOfView, 100);
  EXPECT_FLOAT_EQ(camera.pitch, 0);
  EXPECT_FLOAT_EQ(camera.heading, 0);
  EXPECT_FLOAT_EQ(camera.roll, 0);
  EXPECT_FLOAT_EQ(camera.position.x, 0);
  EXPECT_FLOAT_EQ(camera.position.z, 0);
}

TEST(Reset, LeavesTheSceneClockAndSeedsFromElapsedMs) {
  sceneClock = 42.5;
  elapsedMs = 5000;
  reset();
  EXPECT_DOUBLE_EQ(sceneClock, 42.5);
  const int afterReset = nextRandom();
  elapsedMs = 5000;
  reset();
  EXPECT_EQ(nextRandom(), afterReset);
}
