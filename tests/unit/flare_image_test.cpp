#include "textures/flare_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "base/random.h"

namespace {

int texel(const unsigned char* image, int row, int column) {
  return image[row * flareSide * 4 + column * 4];
}

void setTexel(unsigned char* image, int row, int column, unsigned char value) {
  std::memset(image + row * flareSide * 4 + column * 4, value, 4);
}

std::unique_ptr<FlareState> newFlare() {
  auto state = std::make_unique<FlareState>();
  std::memset(state.get(), 0, sizeof(FlareState));
  return state;
}

std::vector<float> falloff() {
  std::vector<float> table;
  for (int n = 0; n < flareFalloffSize; ++n) table.push_back((256 - 4 * n) / 256.0f);
  return table;
}

// How far texel (row, column) lies from the diameter at angle, in texels.
float offRay(int row, int column, float angle) {
  return std::fabs((column - 64) * std::sin(angle) - (row - 64) * std::cos(angle));
}

}  // namespace

TEST(FlareImage, CoreIsWhiteInsideThenFallsToBlackBy28) {
  std::vector<unsigned char> image(flareBytes, 0x55);
  drawFlareCore(image.data());
  EXPECT_EQ(texel(image.data(), 64, 64), 255);
  EXPECT_EQ(texel(image.data(), 64, 70), 255);  // distance 6: g just above 1
  EXPECT_EQ(texel(image.data(), 71, 64), 247);  // distance 7: 3 x 0.990625 - 2 = 0.971875
  EXPECT_EQ(texel(image.data(), 64, 84), 92);   // distance 20: 0.3625 x 255
  EXPECT_EQ(texel(image.data(), 64, 92), 0);    // distance 28: below zero
  EXPECT_EQ(texel(image.data(), 0, 0), 0);
  for (size_t i = 0; i < image.size(); i += 4) {
    ASSERT_TRUE(image[i] == image[i + 1] && image[i] == image[i + 2] && image[i] == image[i + 3]);
  }
}

TEST(FlareImage, RayFadesFromTheCentreAndSkipsWhereTheCoreIsBrighter) {
  const std::vector<float> table = falloff();
  std::vector<unsigned char> image(flareBytes, 0);
  drawFlareCore(image.data());
  const FlareRay ray = {0, 0, 0.75f};  // along the row through the centre
  drawFlareRay(image.data(), ray, table.data());
  EXPECT_EQ(texel(image.data(), 64, 64), 255);  // 191 is skipped: the core is brighter
  EXPECT_EQ(texel(image.data(), 64, 96), 95);   // n = 32: 255 x 0.5 x 0.75 = 95.6
  EXPECT_EQ(texel(image.data(), 64, 32), 95);   // its mirror
  EXPECT_EQ(texel(image.data(), 64, 126), 5);   // n = 62: 5.98
  EXPECT_EQ(texel(image.data(), 64, 2), 5);
  EXPECT_EQ(texel(image.data(), 64, 127), 0);  // n stops at 62
  EXPECT_EQ(texel(image.data(), 65, 96), 0);
}

TEST(FlareImage, SkippedSampleLeavesItsMirrorAlone) {
  const std::vector<float> table = falloff();
  std::vector<unsigned char> image(flareBytes, 0);
  setTexel(image.data(), 64, 96, 200);  // n = 32 is already brighter than 95
  setTexel(image.data(), 64, 32, 7);
  setTexel(image.data(), 64, 33, 250);  // the mirror of n = 31 is overwritten regardless
  drawFlareRay(image.data(), {0, 0, 0.75f}, table.data());
  EXPECT_EQ(texel(image.data(), 64, 96), 200);
  EXPECT_EQ(texel(image.data(), 64, 32), 7);
  EXPECT_EQ(texel(image.data(), 64, 33), 98);  // 255 x (1 - 31/64) x 0.75 = 98.6
}

TEST(FlareImage, RaysNeverLeaveTheImageOrTheirLine) {
  const std::vector<float> table = falloff();
  const size_t guard = 4096;
  std::vector<unsigned char> buffer(guard + flareBytes + guard);
  unsigned char* image = buffer.data() + guard;
  std::vector<float> angles = {0, 1.5707964f, 3.1415927f, 4.712389f, 6.2831855f, -1.5707964f};
  for (int i = 0; i < 3000; ++i) angles.push_back(-20 + i * 0.0137f);
  for (float angle : angles) {
    std::fill(buffer.begin(), buffer.end(), 0);
    drawFlareRay(image, {angle, 0, 1}, table.data());
    for (size_t i = 0; i < guard; ++i) {
      ASSERT_EQ(buffer[i], 0) << "before the image at angle " << angle;
      ASSERT_EQ(buffer[guard + flareBytes + i], 0) << "after the image at angle " << angle;
    }
    int lit = 0;
    for (int r = 0; r < flareSide; ++r) {
      for (int c = 0; c < flareSide; ++c) {
        if (texel(image, r, c) == 0) continue;
        ++lit;
        ASSERT_LE(offRay(r, c, angle), 1.5f) << r << ", " << c << " at angle " << angle;
      }
    }
    ASSERT_GE(lit, 63) << angle;
  }
}

TEST(FlareImage, FirstStepDrawsTheRaysInOrderAndLaterStepsDrawNothing) {
  seedRandom(77);
  FlareRay expected[flareRayCount];
  for (FlareRay& ray : expected) {
    ray.angle = static_cast<float>(random(6.2831855f));
    ray.angleStep = static_cast<float>(random(0.1) - 0.05);
    ray.intensity = static_cast<float>(random(0.5) + 0.5);
  }
  const int next = nextRandom();

  seedRandom(77);
  auto flare = newFlare();
  stepFlareImage(*flare);
  EXPECT_TRUE(flare->flareReady);
  for (int i = 0; i < flareRayCount; ++i) {
    EXPECT_EQ(flare->rays[i].angle, expected[i].angle + expected[i].angleStep) << i;
    EXPECT_EQ(flare->rays[i].angleStep, expected[i].angleStep) << i;
    EXPECT_EQ(flare->rays[i].intensity, expected[i].intensity) << i;
  }
  EXPECT_EQ(flare->rayFalloff[0], 1.0f);
  EXPECT_EQ(flare->rayFalloff[63], 1.0f / 64);

  seedRandom(77);
  for (int i = 0; i < 60; ++i) random(1);
  stepFlareImage(*flare);
  EXPECT_EQ(nextRandom(), next);
  EXPECT_EQ(flare->rays[5].angle, expected[5].angle + 2 * expected[5].angleStep);
}

TEST(FlareImage, EveryStepRedrawsTheCoreSoOldRaysVanish) {
  seedRandom(5);
  auto flare = newFlare();
  for (int step = 0; step < 40; ++step) {
    stepFlareImage(*flare);
    ASSERT_EQ(texel(flare->image, 64, 64), 255) << step;
    // Texels 30 from the centre are dark unless a ray of this step passes them.
    for (int i = 0; i < 360; ++i) {
      const float a = i * 0.017453292f;
      const int r = static_cast<int>(std::lround(64 + 30 * std::sin(a)));
      const int c = static_cast<int>(std::lround(64 + 30 * std::cos(a)));
      bool nearRay = false;
      for (const FlareRay& ray : flare->rays) nearRay = nearRay || offRay(r, c, ray.angle) < 2;
      if (!nearRay) {
        ASSERT_EQ(texel(flare->image, r, c), 0) << step << ": " << r << ", " << c;
      }
    }
  }
}
