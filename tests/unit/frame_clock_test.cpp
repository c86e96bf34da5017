#include "base/frame_clock.h"

#include <gtest/gtest.h>

#include "base/blend.h"
#include "base/scene_clock.h"

TEST(FrameDelta, KeepsGapsUpToATenthAndShortensLongerOnes) {
  EXPECT_FLOAT_EQ(clampedFrameDelta(1016, 1.0), 0.016f);
  EXPECT_FLOAT_EQ(clampedFrameDelta(1100, 1.0), 0.1f);  // exactly 0.1 stays
  EXPECT_FLOAT_EQ(clampedFrameDelta(1101, 1.0), 0.05f);
  EXPECT_FLOAT_EQ(clampedFrameDelta(9000, 1.0), 0.05f);
}

TEST(FrameDelta, FirstFrameCountsFromZero) {
  EXPECT_FLOAT_EQ(clampedFrameDelta(80, 0.0), 0.08f);
  EXPECT_FLOAT_EQ(clampedFrameDelta(700, 0.0), 0.05f);  // start-up took longer than 0.1 s
}

TEST(FrameDelta, AdvanceFrameClockDerivesEveryValueFromElapsedMs) {
  previousTime = 0;
  elapsedMs = 2500;
  advanceFrameClock();
  EXPECT_FLOAT_EQ(elapsedTime, 2.5f);
  EXPECT_FLOAT_EQ(frameDelta, 0.05f);
  EXPECT_DOUBLE_EQ(previousTime, 2.5);
  elapsedMs = 2520;
  advanceFrameClock();
  EXPECT_NEAR(frameDelta, 0.02f, 1e-6);
}

TEST(FrameRate, ReadsThirtyUntilTheFirstSecondHasPassed) {
  int count = 0, perSecond = 30;
  double nextSecond = 1.0;
  for (int ms = 0; ms < 1000; ms += 10) countFrame(ms * 0.001f, count, perSecond, nextSecond);
  EXPECT_EQ(perSecond, 30);
  EXPECT_EQ(count, 100);
  countFrame(1.0f, count, perSecond, nextSecond);
  EXPECT_EQ(perSecond, 101);
  EXPECT_EQ(count, 0);
  EXPECT_DOUBLE_EQ(nextSecond, 2.0);
}

TEST(FrameRate, CatchesUpOneSecondPerFrameAfterAStall) {
  int count = 0, perSecond = 30;
  double nextSecond = 1.0;
  for (int i = 0; i < 5; ++i) countFrame(0.1f * i, count, perSecond, nextSecond);
  // The window stalls until 4.5 s: the first frame after it reports the five frames before.
  countFrame(4.5f, count, perSecond, nextSecond);
  EXPECT_EQ(perSecond, 6);
  EXPECT_DOUBLE_EQ(nextSecond, 2.0);
  countFrame(4.51f, count, perSecond, nextSecond);
  EXPECT_EQ(perSecond, 1);
  countFrame(4.52f, count, perSecond, nextSecond);
  EXPECT_EQ(perSecond, 1);
  countFrame(4.53f, count, perSecond, nextSecond);
  EXPECT_EQ(perSecond, 1);
  EXPECT_DOUBLE_EQ(nextSecond, 5.0);
  // Caught up: frames count again until 5 s.
  countFrame(4.6f, count, perSecond, nextSecond);
  countFrame(4.7f, count, perSecond, nextSecond);
  EXPECT_EQ(perSecond, 1);
  EXPECT_EQ(count, 2);
}

TEST(Blend, EndsAtBothValuesAndMeetsInTheMiddle) {
  EXPECT_FLOAT_EQ(cosineBlend(2, 6, 0), 2);
  EXPECT_FLOAT_EQ(cosineBlend(2, 6, 1), 6);
  EXPECT_NEAR(cosineBlend(2, 6, 0.5f), 4, 1e-6);
  EXPECT_NEAR(cosineBlend(0, 1, 0.25f), 0.1464466f, 1e-6);  // slow start, unlike linear
  EXPECT_FLOAT_EQ(linearBlend(2, 6, 0.25f), 3);
  EXPECT_FLOAT_EQ(linearBlend(2, 6, 1), 6);
}

TEST(SceneClock, GainsEveryDeltaAndRandomisesWithinAFullCycle) {
  sceneClock = 10;
  advanceSceneClock(0.25f);
  advanceSceneClock(0.05f);
  EXPECT_NEAR(sceneClock, 10.3, 1e-7);
  for (int i = 0; i < 1000; ++i) {
    randomiseSceneClock();
    ASSERT_GE(sceneClock, 0);
    ASSERT_LT(sceneClock, 360);
  }
}

TEST(SceneClock, StaysExactAfterADayOfFrames) {
  sceneClock = 123.5;
  for (int i = 0; i < 86400 * 20; ++i) advanceSceneClock(0.05f);
  // A day plus the 1.29 ms by which 1 728 000 frames of 0.05f (0.0500000007) exceed it; a
  // float clock would end near 85878, more than ten minutes behind.
  EXPECT_NEAR(sceneClock, 86523.50129, 1e-5);
}
