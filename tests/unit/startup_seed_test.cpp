#include "app/startup_seed.h"

#include <gtest/gtest.h>

#include <set>

TEST(StartupSeed, AFixedSeedWinsOnlyWhenItIsAWholeNumber) {
  EXPECT_EQ(startupSeed("42", 123456789, 30), 42u);
  EXPECT_EQ(startupSeed("4294967295", 0, 0), 4294967295u);
  unsigned int seed = 7;
  for (const char* text : {"", "-1", "0x3", " 3", "3x", "4294967296", "99999999999999999999"}) {
    EXPECT_FALSE(parseSeed(text, seed)) << text;
  }
  EXPECT_EQ(seed, 7u);
  // Not a number: the wall clock decides, as when nothing is set.
  EXPECT_EQ(startupSeed("abc", 123456789, 30), startupSeed(nullptr, 123456789, 30));
}

TEST(StartupSeed, LaunchesAtDifferentMomentsGetDifferentSeeds) {
  // Launches a millisecond to a day apart with the same start-up time, as a user gives them.
  std::set<unsigned int> seeds;
  const long long second = 1000000000;
  for (long long ns : {0LL, second / 1000, second, 60 * second, 86400 * second}) {
    seeds.insert(startupSeed(nullptr, 1796000000 * second + ns, 35));
  }
  EXPECT_EQ(seeds.size(), 5u);
}
