#include "textures/procedural_texture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "base/random.h"

namespace {

struct Sprite {
  std::vector<unsigned char> bytes = std::vector<unsigned char>(spriteBytes, 0xAB);
  int at(int c, int r) const { return bytes[r * spriteSide * 4 + c * 4]; }
  // Every texel carries its value in all four channels.
  bool channelsAgree() const {
    for (size_t i = 0; i < bytes.size(); i += 4) {
      if (bytes[i + 1] != bytes[i] || bytes[i + 2] != bytes[i] || bytes[i + 3] != bytes[i]) {
        return false;
      }
    }
    return true;
  }
};

float distance(int c, int r, int fromC, int fromR) {
  return std::sqrt(float((c - fromC) * (c - fromC) + (r - fromR) * (r - fromR)));
}

}  // namespace

TEST(ProceduralTexture, GlowFallsWithTheSquareOfTheDistanceFromTexel64) {
  Sprite glow;
  fillProceduralImage(glowPattern, glow.bytes.data());
  EXPECT_TRUE(glow.channelsAgree());
  EXPECT_EQ(glow.at(64, 64), 255);
  EXPECT_EQ(glow.at(64, 32), 191);  // (1 - 0.25) * 255 = 191.25
  EXPECT_EQ(glow.at(96, 64), 191);
  EXPECT_EQ(glow.at(63, 64), 254);  // the centre is 64, not 63.5
  for (int r = 0; r < spriteSide; ++r) {
    for (int c = 0; c < spriteSide; ++c) {
      if (distance(c, r, 64, 64) >= 64) {
        ASSERT_EQ(glow.at(c, r), 0) << c << ", " << r;
      }
    }
  }
}

TEST(ProceduralTexture, PillowIsTheProductOfTwoLinearRamps) {
  Sprite pillow;
  fillProceduralImage(pillowPattern, pillow.bytes.data());
  EXPECT_TRUE(pillow.channelsAgree());
  EXPECT_EQ(pillow.at(64, 64), 255);
  EXPECT_EQ(pillow.at(0, 64), 0);
  EXPECT_EQ(pillow.at(64, 0), 0);
  EXPECT_EQ(pillow.at(96, 96), 63);   // 0.5 x 0.5 x 255 = 63.75
  EXPECT_EQ(pillow.at(127, 64), 3);   // 1/64 of 255
  EXPECT_EQ(pillow.at(127, 127), 0);  // 1/4096 of 255
}

// The puffs' sums, texel by texel: each puff adds (1 - s) x 19, dropping the fraction, in 8 bits.
TEST(ProceduralTexture, CloudPuffsClearTheImageAndWrapPast255) {
  seedRandom(2024);
  std::vector<int> cx, cy;
  for (int i = 0; i < 80; ++i) {
    cx.push_back(static_cast<int>(random(95) + 16));
    cy.push_back(static_cast<int>(random(95) + 16));
  }
  const int afterPuffs = nextRandom();

  seedRandom(2024);
  Sprite puffs;  // starts full of 0xAB: the first pass must clear it
  fillProceduralImage(cloudPuffPattern, puffs.bytes.data());
  EXPECT_EQ(nextRandom(), afterPuffs) << "exactly two draws a puff";
  EXPECT_TRUE(puffs.channelsAgree());

  int wrapped = 0;
  for (int r = 0; r < spriteSide; ++r) {
    for (int c = 0; c < spriteSide; ++c) {
      int value = 0, unwrapped = 0;
      for (int i = 0; i < 80; ++i) {
        const float s = std::fmin(distance(c, r, cx[i], cy[i]) / 32, 1.0f);
        const float add = (1 - s) * 19;
        value = static_cast<int>(value + add) & 0xFF;
        unwrapped = static_cast<int>(unwrapped + add);
      }
      ASSERT_EQ(puffs.at(c, r), value) << c << ", " << r;
      if (unwrapped > 255) ++wrapped;
    }
  }
  EXPECT_GT(wrapped, 0) << "this seed's heap should be dense enough to wrap somewhere";
  // Far from every centre (all lie in 16 .. 110) nothing is added.
  EXPECT_EQ(puffs.at(127, 127), 0);
  EXPECT_EQ(puffs.at(0, 127), 0);
}
