// Every adjusting key held for 2,000 presses in each direction, all of them together, with
// frames in between: the program keeps drawing without an OpenGL error or a value that is not a
// finite number, and the settings with bounds stay inside them.

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/startup.h"
#include "base/frame_clock.h"
#include "base/parameters.h"
#include "controls/keyboard.h"
#include "controls/special_keys.h"
#include "frame/frame.h"
#include "ride/camera.h"
#include "tests/gl/gl_context.h"
#include "tests/soak/soak_checks.h"

namespace {

struct Direction {
  const char* keys;
  std::vector<int> specialKeys;
};

const Direction raising{"=+]},>",
                        {GLUT_KEY_PAGE_UP, GLUT_KEY_HOME, GLUT_KEY_F2, GLUT_KEY_F4, GLUT_KEY_F6,
                         GLUT_KEY_F8, GLUT_KEY_F10, GLUT_KEY_F12}};
const Direction lowering{"-_[{.<",
                         {GLUT_KEY_PAGE_DOWN, GLUT_KEY_END, GLUT_KEY_F1, GLUT_KEY_F3, GLUT_KEY_F5,
                          GLUT_KEY_F7, GLUT_KEY_F9, GLUT_KEY_F11}};

// 2,000 presses of every key of the direction, a frame after every twentieth round of presses.
void hold(const Direction& direction) {
  for (int press = 0; press < 2000; ++press) {
    for (const char* key = direction.keys; *key; ++key) keyboardCallback(*key, 0, 0);
    for (int key : direction.specialKeys) specialKeyCallback(key, 0, 0);
    if (press % 20 != 19) continue;
    elapsedMs += 16;
    frame();
    ASSERT_EQ(takeGlErrors(), 0) << "after press " << press;
    ASSERT_EQ(countNonFiniteValues(), 0) << "after press " << press;
  }
}

void expectBoundsKept() {
  EXPECT_GE(camera.fieldOfView, 1);
  EXPECT_LE(camera.fieldOfView, 179);
  EXPECT_GE(params.tesselation, 3);
  EXPECT_LE(params.tesselation, 40);
  EXPECT_GE(params.fogDistance, 0.0001f);
  EXPECT_LE(params.fogDistance, 14);
  EXPECT_GE(params.blankIntensity, 0);
  EXPECT_LE(params.blankIntensity, 1);
}

}  // namespace

TEST(ExtremeSettings, EveryAdjustingKeyHeldBothWaysKeepsDrawingWithinBounds) {
  gltest::startProgram();
  // The presses are the point: a small viewport keeps the frames quick when the largest
  // particles cover all of it.
  reshape(160, 120);
  watchGlErrors();
  takeGlErrors();
  elapsedMs = 5000;  // past the start-up fade
  frame();

  hold(raising);
  EXPECT_EQ(camera.fieldOfView, 179);
  EXPECT_EQ(params.tesselation, 40);
  EXPECT_EQ(params.blankIntensity, 1);
  expectBoundsKept();

  keyboardCallback('r', 0, 0);
  hold(lowering);
  EXPECT_EQ(camera.fieldOfView, 1);
  EXPECT_EQ(params.tesselation, 3);
  EXPECT_EQ(params.fogDistance, 0.0001f);
  expectBoundsKept();
}
