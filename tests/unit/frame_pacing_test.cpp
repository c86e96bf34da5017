// The pace of the frames: the period from GYROTRAK_FPS and the refresh rate, and the waits.

#include <gtest/gtest.h>

#include "window/window_internal.h"

TEST(FramePacing, PeriodFromTheSettingElseTheDisplaysRefresh) {
  EXPECT_DOUBLE_EQ(framePeriodMs(nullptr, 75), 1000.0 / 75);
  EXPECT_DOUBLE_EQ(framePeriodMs(nullptr, 0), 1000.0 / 60);  // unknown, as under Xvfb
  EXPECT_DOUBLE_EQ(framePeriodMs("30", 60), 1000.0 / 30);
  EXPECT_DOUBLE_EQ(framePeriodMs("0", 60), 0);
  for (const char* bad : {"", "fast", "-30", "30fps"})
    EXPECT_DOUBLE_EQ(framePeriodMs(bad, 50), 20) << bad;
}

TEST(FramePacing, FramesComeAPeriodApartAndALateOneIsFollowedAtOnce) {
  FramePace pace{10, 0};
  EXPECT_DOUBLE_EQ(waitBeforeFrame(pace, 1000), 0);  // the first at once
  EXPECT_DOUBLE_EQ(waitBeforeFrame(pace, 1004), 6);  // a quick frame waits out its period
  EXPECT_DOUBLE_EQ(waitBeforeFrame(pace, 1020), 0);  // on time: no drift
  EXPECT_DOUBLE_EQ(pace.dueMs, 1030);
  EXPECT_DOUBLE_EQ(waitBeforeFrame(pace, 1055), 0);  // late: at once, and no burst after it
  EXPECT_DOUBLE_EQ(waitBeforeFrame(pace, 1056), 9);
  EXPECT_DOUBLE_EQ(waitBeforeFrame(pace, 500), 10);  // a clock that went back waits one period
  FramePace none{0, 0};
  EXPECT_DOUBLE_EQ(waitBeforeFrame(none, 5), 0);
}
