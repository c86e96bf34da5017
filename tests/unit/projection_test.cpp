#include "frame/projection.h"

#include <gtest/gtest.h>

TEST(Letterbox, HidesFivePercentTopAndBottomPerStep) {
  const Viewport none = letterboxViewport(1024, 768, 0);
  EXPECT_EQ(none.x, 0);
  EXPECT_EQ(none.y, 0);
  EXPECT_EQ(none.width, 1024);
  EXPECT_EQ(none.height, 768);

  const Viewport six = letterboxViewport(1024, 768, 6);
  EXPECT_EQ(six.y, 230);
  EXPECT_EQ(six.height, 307);  // top at 537
  EXPECT_FLOAT_EQ(viewportAspect(six), 1024.0f / 307);

  const Viewport one = letterboxViewport(1000, 100, 1);
  EXPECT_EQ(one.y, 5);
  EXPECT_EQ(one.height, 90);
}

TEST(Letterbox, NarrowsTheViewUpToTwentyNineDegrees) {
  EXPECT_FLOAT_EQ(letterboxFieldOfView(100, 0), 100);
  EXPECT_FLOAT_EQ(letterboxFieldOfView(100, 6), 71);
  EXPECT_FLOAT_EQ(letterboxFieldOfView(100, 3), 85.5f);
  // A narrow view with a tall letterbox stops at 1 degree rather than turning upside down.
  EXPECT_FLOAT_EQ(letterboxFieldOfView(29, 6), 1);
  EXPECT_FLOAT_EQ(letterboxFieldOfView(1, 1), 1);
  EXPECT_FLOAT_EQ(letterboxFieldOfView(29.5f, 6), 1);
}

TEST(Letterbox, ViewportWithoutAreaHasAspectOne) {
  EXPECT_FLOAT_EQ(viewportAspect(letterboxViewport(1024, 0, 0)), 1);
  EXPECT_FLOAT_EQ(viewportAspect(letterboxViewport(0, 768, 0)), 1);
  EXPECT_FLOAT_EQ(viewportAspect(letterboxViewport(1024, 1, 6)), 1);
}

TEST(FarPlane, FollowsTheEyeButNeverReachesTheNearPlane) {
  EXPECT_DOUBLE_EQ(farPlane(0.1f), 14.1f);
  EXPECT_NEAR(farPlane(-13.9f), 0.1, 1e-5);
  EXPECT_GT(farPlane(-13.9999f), 0.0001);
  for (float cameraZ : {-14.0f, -14.5f, -500.0f}) EXPECT_DOUBLE_EQ(farPlane(cameraZ), 0.0002);
}
