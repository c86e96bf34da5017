// The clock and the numbers that must hold after days of running, and the results that must
// match their reference precision to the last bit.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

#include "base/blend.h"
#include "base/frame_clock.h"
#include "frame/projection.h"
#include "frame/scene.h"
#include "ride/angles.h"
#include "ride/track.h"
#include "ride/track_ribbon.h"

namespace {

// The toolkit's 32-bit millisecond count after ms milliseconds, wrapped as it wraps.
int toolkitCount(long long ms) {
  return static_cast<int>(static_cast<std::uint32_t>(ms));
}

}  // namespace

TEST(LongRunClock, StepsStaySteadyAfterDaysAndAcrossTheWrap) {
  const long long day = 86400000;
  // Each start less than 2^31 ms after the last, as a running program sees them (the gaps
  // are stalls); the third runs through the wrap to negative counts, the last past 2^32.
  for (long long start : {day, 10 * day, (1LL << 31) - 480, 3LL << 30, (1LL << 32) + day}) {
    elapsedMs = toolkitCount(start);
    advanceFrameClock();
    float previousElapsed = elapsedTime;
    // One second of 16 ms frames, through the wrap for the third start.
    for (int frame = 1; frame <= 62; ++frame) {
      elapsedMs = toolkitCount(start + 16LL * frame);
      advanceFrameClock();
      ASSERT_NEAR(frameDelta, 0.016f, 1e-6f) << start << " frame " << frame;
      ASSERT_GE(elapsedTime, previousElapsed);
      previousElapsed = elapsedTime;
    }
    EXPECT_EQ(runningMs, start + 16 * 62) << start;
    EXPECT_GT(elapsedTime, 86000.0f);  // never the fade-in's first two seconds again
  }
}

TEST(LongRunClock, UnwrapsForwardAndFollowsATestClockBackWithoutAStepBack) {
  EXPECT_EQ(unwrapMilliseconds(INT_MAX, INT_MIN), 1LL << 31);
  EXPECT_EQ(unwrapMilliseconds((1LL << 32) + 10, 25), (1LL << 32) + 25);
  EXPECT_EQ(unwrapMilliseconds(5000, 1000), 1000);
  // A step back in time moves nothing backwards: it is taken as an ordinary stall.
  EXPECT_FLOAT_EQ(clampedFrameDelta(1000, 5.0), 0.05f);
}

TEST(Precision, CosineBlendIsExactNearItsEnds) {
  // (1 - cos(pi t)) / 2 = sin^2(pi t / 2): a float cosine loses most digits of it near 0.
  for (float t : {0.0003f, 0.001f, 0.01f}) {
    const double exact = std::pow(std::sin(static_cast<double>(t * 3.1415927f) / 2), 2);
    EXPECT_NEAR(cosineBlend(0, 1, t), exact, exact * 1e-5) << t;
  }
}

TEST(Precision, FlareKeepsMovingEveryFrameAfterTenDays) {
  double clock = 10 * 86400.0 + 123.25;
  Vector3 previous = orbitPoint(clock);
  for (int frame = 0; frame < 60; ++frame) {
    clock += 1 / 60.0;
    const Vector3 now = orbitPoint(clock);
    EXPECT_TRUE(now.x != previous.x || now.z != previous.z) << frame;
    previous = now;
  }
}

namespace {

// The guarded arctangent with the arctangent in long double, rounded to float once.
float referenceArctangent(float n, float d) {
  const float r = n / d;
  if (r >= -1 && r <= 1) return static_cast<float>(std::atan(static_cast<long double>(r)));
  const long double quarter = r > 1 ? halfPi : -halfPi;
  return static_cast<float>(std::atan(static_cast<long double>(-d / n)) + quarter);
}

}  // namespace

TEST(Precision, AnglesAndRibbonOffsetsAreDoubleResultsRoundedOnce) {
  static Track path;
  path.buildShape(3, 1, 9, 7, 0.5f, 0.1f, 0.25f);
  for (int i = 0; i < path.pointCount; ++i) {
    const TrackPoint& a = path.points[i];
    const TrackPoint& b = path.points[(i + 1) % path.pointCount];
    const float dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
    float pitch, heading;
    path.directionAngles(dx, dy, dz, pitch, heading);
    const float m = referenceArctangent(dy, dz);
    EXPECT_EQ(pitch, dz < 0 ? m : -m) << i;
    const float h = referenceArctangent(dx, dz);
    EXPECT_EQ(heading, dz < 0 ? pi - (h + pi) : pi - h) << i;

    if (i % 2 != 0) continue;
    const RibbonQuad quad = ribbonQuad(path, i, 1);
    const long double angle = a.heading * radiansPerDegree;
    const float ox = static_cast<float>((std::cos(angle) - std::sin(angle)) * 0.001f);
    const float oz = static_cast<float>((std::sin(angle) + std::cos(angle)) * 0.001f);
    EXPECT_EQ(quad.vertices[1].x, a.x + ox) << i;
    EXPECT_EQ(quad.vertices[1].z, a.z + oz) << i;
  }
}

TEST(Precision, LetterboxOfAHugeWindowStaysInsideIt) {
  for (int height : {32767, 32768, 40000, INT_MAX}) {
    const Viewport viewport = letterboxViewport(1024, height, 0);
    EXPECT_GE(viewport.y, 0) << height;
    EXPECT_GT(viewport.height, 0) << height;
    EXPECT_LE(viewport.height, height) << height;
  }
}
