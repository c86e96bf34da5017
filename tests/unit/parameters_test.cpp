#include "base/parameters.h"

#include <gtest/gtest.h>

TEST(Parameters, ResetWritesEveryDefault) {
  static Parameters p;  // static storage: zero-filled, as the program's block is
  p.letterbox = 6;
  p.fullBlanking = 1;
  p.fogOn = 0;
  p.mainSpeed = 1e30f;
  p.blankIntensity = 1;
  resetParameters(p);
  EXPECT_EQ(p.fovDegrees, 100);
  EXPECT_EQ(p.letterbox, 0);
  EXPECT_EQ(p.tesselation, 10);
  EXPECT_EQ(p.universeOn, 1);
  EXPECT_EQ(p.fullBlanking, 0);
  EXPECT_EQ(p.spotlightsOn, 0);
  EXPECT_EQ(p.texturesOn, 1);
  EXPECT_EQ(p.polygonMode, 0);
  EXPECT_EQ(p.cameraMode, 0);
  EXPECT_EQ(p.optionIndex, 0);
  EXPECT_EQ(p.imageIndex, 0);
  EXPECT_EQ(p.fpsClockOn, 0);
  EXPECT_EQ(p.fogOn, 1);
  EXPECT_FLOAT_EQ(p.rotateSpeed, 1.0f);
  EXPECT_FLOAT_EQ(p.movementSpeed, 1.0f);
  EXPECT_FLOAT_EQ(p.cameraZ, 0.1f);
  EXPECT_FLOAT_EQ(p.objectSize, 1.0f);
  EXPECT_FLOAT_EQ(p.mainSpeed, 1.0f);
  EXPECT_FLOAT_EQ(p.homeEndFactor, 1.0f);
  EXPECT_FLOAT_EQ(p.f1f2Factor, 1.0f);
  EXPECT_FLOAT_EQ(p.f3f4Factor, 1.0f);
  EXPECT_FLOAT_EQ(p.f5f6Factor, 1.0f);
  EXPECT_FLOAT_EQ(p.f7f8Factor, 1.0f);
  EXPECT_FLOAT_EQ(p.fogDistance, 2.0f);
  EXPECT_FLOAT_EQ(p.blankIntensity, 0.5f);
}

TEST(Parameters, GlobalBlockIsZeroUntilTheFirstReset) {
  EXPECT_EQ(params.fovDegrees, 0);
  EXPECT_EQ(params.tesselation, 0);
  EXPECT_FLOAT_EQ(params.mainSpeed, 0.0f);
  EXPECT_FLOAT_EQ(brightness, 1.0f);
}
