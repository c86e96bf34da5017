#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/parameters.h"
#include "ride/camera.h"
#include "ride/track.h"

namespace {

Parameters& speed(float mainSpeed) {
  static Parameters p;
  p.mainSpeed = mainSpeed;
  return p;
}

// A flat test track whose points lie 1 apart along x at height y, so positions are easy to
// read; highestY is chosen per test.
Track& straightTrack(float y, float highestY) {
  static Track t;
  for (int i = 0; i < t.pointCount; i++) t.points[i] = {static_cast<float>(i), y, 0, 0, 0};
  t.highestY = highestY;
  t.segment = 0;
  t.fraction = 0;
  t.position = {0, y, 0};
  t.direction = {1, 0, 0};
  return t;
}

// The ride's step as one point at a time, the way the whole-number wrap must agree with.
void referenceWrap(float& fraction, int& segment, int pointCount) {
  while (fraction >= 1) {
    fraction -= 1;
    segment += 1;
    if (segment >= pointCount) segment = 0;
  }
}

}  // namespace

TEST(TrackAdvance, StepGrowsWithDepthBelowTheHighestPoint) {
  Track& high = straightTrack(0.45f, 0.45f);
  high.advance(0.05f, speed(1));
  EXPECT_EQ(high.segment, 0);
  EXPECT_FLOAT_EQ(high.fraction, 0.35f);

  Track& low = straightTrack(0.05f, 0.45f);
  low.advance(0.05f, speed(1));
  EXPECT_EQ(low.segment, 2);
  EXPECT_NEAR(low.fraction, 0.17f, 1e-5);
  EXPECT_NEAR(low.position.x, 2.17f, 1e-5);
}

TEST(TrackAdvance, SpeedUsesTheHeightOfThePreviousCall) {
  Track& t = straightTrack(0.05f, 0.45f);
  t.position.y = 0;  // before the first call the ride position is the origin
  t.advance(0.01f, speed(1));
  EXPECT_NEAR(t.fraction, 7 * (0.45f * 13 + 1) * 0.01f, 1e-6);
}

TEST(TrackAdvance, InterpolatesPositionAndDirectionAcrossTheWrap) {
  static Track t;
  t.buildShape(1, 2, 5, 5, 0.5f, 0.1f, 0.25f);

  t.segment = 719;
  t.fraction = 0;
  t.highestY = t.position.y = 0;  // no speed: the ride stays on point 719
  t.advance(0, speed(1));
  EXPECT_FLOAT_EQ(t.position.x, t.points[719].x);
  EXPECT_FLOAT_EQ(t.position.z, t.points[719].z);
  const float dx = t.points[0].x - t.points[719].x;
  const float dz = t.points[0].z - t.points[719].z;
  const float dy = t.points[0].y - t.points[719].y;
  const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
  EXPECT_NEAR(t.direction.x, dx / length, 1e-6);
  EXPECT_NEAR(t.direction.z, dz / length, 1e-6);

  t.segment = 718;
  t.fraction = 0.5f;
  t.highestY = t.position.y;
  t.advance(0, speed(1));
  EXPECT_FLOAT_EQ(t.position.x, t.points[718].x + (t.points[719].x - t.points[718].x) * 0.5f);
  // One segment ahead runs from 719 to 0.
  const float aheadX = t.points[719].x + (t.points[0].x - t.points[719].x) * 0.5f;
  EXPECT_GT(t.direction.x * (aheadX - t.position.x), 0);

  // From 719 the next points are 0 and 1: halfway along both chords.
  t.segment = 719;
  t.fraction = 0.5f;
  t.highestY = t.position.y;
  t.advance(0, speed(1));
  const TrackPoint &p719 = t.points[719], &p0 = t.points[0], &p1 = t.points[1];
  const float ahead[3] = {(p0.x + p1.x) / 2 - (p719.x + p0.x) / 2,
                          (p0.y + p1.y) / 2 - (p719.y + p0.y) / 2,
                          (p0.z + p1.z) / 2 - (p719.z + p0.z) / 2};
  const float norm = std::sqrt(ahead[0] * ahead[0] + ahead[1] * ahead[1] + ahead[2] * ahead[2]);
  EXPECT_NEAR(t.direction.x, ahead[0] / norm, 1e-4);
  EXPECT_NEAR(t.direction.y, ahead[1] / norm, 1e-4);
  EXPECT_NEAR(t.direction.z, ahead[2] / norm, 1e-4);
}

TEST(TrackAdvance, PassingTheLastPointStartsAgainAtZero) {
  Track& t = straightTrack(0.45f, 0.45f);
  t.segment = 719;
  t.fraction = 0.9f;
  t.advance(0.05f, speed(1));  // +0.35
  EXPECT_EQ(t.segment, 0);
  EXPECT_NEAR(t.fraction, 0.25f, 1e-6);
}

TEST(TrackAdvance, WholeNumberWrapMatchesThePointByPointLoop) {
  // Ordinary and large steps from many starting fractions and segments.
  const float steps[] = {0.0f,    0.35f,  1.0f,    2.17f,      6.99f,      37.5f,
                         719.75f, 720.0f, 1441.3f, 12345.678f, 1e6f + 0.5f};
  for (float step : steps) {
    for (int start = 0; start < 720; start += 37) {
      Track& t = straightTrack(0.45f, 0.45f);
      t.segment = start;
      t.fraction = 0.6f;
      // k is 1 at the highest point: the step is 7 * frameDelta.
      const float frameDelta = step / 7;
      const float expectedStep = 7 * 1.0f * frameDelta * 1.0f;
      float fraction = 0.6f + expectedStep;
      int segment = start;
      referenceWrap(fraction, segment, 720);
      t.advance(frameDelta, speed(1));
      ASSERT_EQ(t.segment, segment) << step << " from " << start;
      ASSERT_EQ(t.fraction, fraction) << step << " from " << start;
    }
  }
}

TEST(TrackAdvance, HugeSpeedsFinishAndNonFiniteOnesLeaveTheRideAlone) {
  Track& t = straightTrack(0.45f, 0.45f);
  t.segment = 5;
  t.fraction = 0.5f;
  t.advance(0.05f, speed(1e30f));  // 2^24 and beyond: 1 no longer changes the float
  EXPECT_GE(t.segment, 0);
  EXPECT_LT(t.segment, 720);
  EXPECT_GE(t.fraction, 0);
  EXPECT_LT(t.fraction, 1);

  const int segment = t.segment;
  const Vector3 position = t.position;
  // An infinite or NaN speed, and a finite one whose step overflows.
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float max = std::numeric_limits<float>::max();
  const struct { float frameDelta, mainSpeed; } cases[] = {{0.05f, inf}, {0.05f, nan}, {1, max}};
  for (const auto& c : cases) {
    t.advance(c.frameDelta, speed(c.mainSpeed));
    EXPECT_EQ(t.segment, segment);
    EXPECT_TRUE(std::isfinite(t.fraction));
    EXPECT_EQ(t.position.x, position.x);
    EXPECT_EQ(t.position.y, position.y);
  }
}

TEST(TrackPlaceCamera, SitsOnTheRideAndPitchesSeventyPercent) {
  static Track t;
  static Camera c;
  t.position = {0.25f, 0.3f, -0.5f};
  t.direction = {0, 0.1f, -1};  // heading 0, rising: pitch -5.7106 degrees
  t.placeCamera(c);
  EXPECT_EQ(c.position.x, 0.25f);
  EXPECT_EQ(c.position.y, 0.3f);
  EXPECT_EQ(c.position.z, -0.5f);
  EXPECT_NEAR(c.heading, 0, 1e-4);
  EXPECT_NEAR(c.pitch, -5.7106f * 0.7f, 1e-3);

  t.direction = {1, 0, 0};
  t.placeCamera(c);
  EXPECT_NEAR(c.heading, 90, 1e-4);
}
