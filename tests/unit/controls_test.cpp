// The settings changes of the keys, without a display: bounds, steps and confirmations.

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/parameters.h"
#include "controls/keyboard.h"
#include "controls/special_keys.h"
#include "ride/camera.h"

TEST(CharacterKeys, BoundedStepsStopAndStillConfirmTheUnchangedValue) {
  Parameters p;
  resetParameters(p);
  Camera viewer;
  int pauseFlag = 0;
  viewer.fieldOfView = 178.5f;
  adjustForKey(',', p, viewer, pauseFlag);
  const CommandMessage wider = adjustForKey(',', p, viewer, pauseFlag);
  EXPECT_STREQ(wider.text, "FOV: %3.0f Degrees\n");
  EXPECT_EQ(wider.value, 179);
  EXPECT_EQ(p.fovDegrees, 179);
  viewer.fieldOfView = 1;
  EXPECT_EQ(adjustForKey('.', p, viewer, pauseFlag).value, 1);

  p.tesselation = 3;
  EXPECT_EQ(adjustForKey('<', p, viewer, pauseFlag).value, 3);
  p.tesselation = 40;
  EXPECT_EQ(adjustForKey('>', p, viewer, pauseFlag).value, 40);

  for (unsigned char k : std::string("N()xb7\t\xc8"))
    EXPECT_EQ(adjustForKey(k, p, viewer, pauseFlag).kind, CommandMessage::none) << int(k);
  EXPECT_EQ(adjustForSpecialKey(GLUT_KEY_INSERT, p).kind, CommandMessage::none);
}

TEST(CharacterKeys, LetterboxWalksUpToSixAndBackAndFollowsAReset) {
  int step = 0;
  std::string sizes;
  for (int i = 0; i < 13; ++i) {
    step = nextLetterboxStep(step, std::abs(step));
    sizes += std::to_string(std::abs(step));
  }
  EXPECT_EQ(sizes, "1234565432101");
  EXPECT_EQ(nextLetterboxStep(-4, 4), -3);
  EXPECT_EQ(nextLetterboxStep(-4, 0), 1);  // a reset put the size back to 0
}

TEST(SpecialKeys, FogAndBlankingStayWithinTheirRanges) {
  Parameters p;
  resetParameters(p);
  EXPECT_FLOAT_EQ(adjustForSpecialKey(GLUT_KEY_F10, p).value, static_cast<float>(2 * 1.05263));
  for (int i = 2; i < 38; ++i) EXPECT_LT(adjustForSpecialKey(GLUT_KEY_F10, p).value, 14) << i;
  EXPECT_FLOAT_EQ(adjustForSpecialKey(GLUT_KEY_F10, p).value, 14);
  for (int i = 0; i < 300; ++i) adjustForSpecialKey(GLUT_KEY_F9, p);
  EXPECT_FLOAT_EQ(p.fogDistance, 0.0001f);

  p.blankIntensity = 0;  // F11 at 0 stays there and still leaves full blanking
  p.fullBlanking = 1;
  EXPECT_EQ(adjustForSpecialKey(GLUT_KEY_F11, p).value, 0);
  EXPECT_EQ(p.fullBlanking, 0);
}

// Held down until it stalls, an unbounded setting must still come back up with its other key.
TEST(SpecialKeys, ASpeedShrunkAsFarAsItGoesComesBackWithPageUp) {
  Parameters p;
  resetParameters(p);
  const float start = p.mainSpeed;
  int down = 0;  // presses that changed the speed
  for (float before = 0; p.mainSpeed != before; ++down) {
    before = p.mainSpeed;
    adjustForSpecialKey(GLUT_KEY_PAGE_DOWN, p);
  }
  --down;
  EXPECT_GT(p.mainSpeed, 0);
  for (int i = 0; i < down; ++i) adjustForSpecialKey(GLUT_KEY_PAGE_UP, p);
  EXPECT_NEAR(p.mainSpeed, start, start * 1e-3) << "after " << down << " presses each way";
}
