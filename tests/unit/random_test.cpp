#include "base/random.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Random, FollowsTheClassicFifteenBitSequence) {
  seedRandom(1);
  EXPECT_EQ(nextRandom(), 41);
  EXPECT_EQ(nextRandom(), 18467);
  EXPECT_EQ(nextRandom(), 6334);
}

TEST(Random, RepeatsForTheSameSeed) {
  std::vector<double> first, second;
  seedRandom(12345);
  for (int i = 0; i < 100; ++i) first.push_back(random(7));
  seedRandom(12345);
  for (int i = 0; i < 100; ++i) second.push_back(random(7));
  EXPECT_EQ(first, second);
}

TEST(Random, StaysInsideTheHalfOpenRange) {
  seedRandom(987);
  double lowest = 1e9, highest = -1e9;
  for (int i = 0; i < 200000; ++i) {
    const double value = random(3);
    lowest = std::min(lowest, value);
    highest = std::max(highest, value);
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 3.0);
  }
  // The whole range is reached: the largest output is 32767 / 32768 of x.
  EXPECT_LT(lowest, 0.001);
  EXPECT_GT(highest, 2.999);
}

TEST(Random, OutputCoversAllFifteenBits) {
  seedRandom(0);
  int high = 0;
  for (int i = 0; i < 1000; ++i) {
    const int value = nextRandom();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 32767);
    if (value >= 16384) ++high;
  }
  EXPECT_GT(high, 400);
  EXPECT_LT(high, 600);
}
