#include "app/fixed_clock.h"

#include <gtest/gtest.h>

TEST(FixedClock, TakesAStepUpTo100AndAnEnd) {
  const FixedClock clock = parseFixedClock("17,20000");
  EXPECT_EQ(clock.stepMs, 17);
  EXPECT_EQ(clock.endMs, 20000);
  EXPECT_EQ(clock.frames, 0);
  EXPECT_EQ(parseFixedClock("100,100").stepMs, 100);
  // Anything else leaves the real clock running, as does an end before the first frame.
  for (const char* text : {"", "17", "17,", ",5", "0,100", "101,5", "-1,5", " 17,5", "17,-5",
                           "17,5x", "17;5", "17,99999999999", "10,0", "10,9"}) {
    EXPECT_EQ(parseFixedClock(text).stepMs, 0) << text;
  }
  EXPECT_EQ(parseFixedClock(nullptr).stepMs, 0);
}

TEST(FixedClock, StepsUntilTheNextReadingWouldPassTheEnd) {
  FixedClock clock = parseFixedClock("50,120");
  EXPECT_EQ(nextFixedClockReading(clock), 50);
  EXPECT_EQ(nextFixedClockReading(clock), 100);
  EXPECT_EQ(nextFixedClockReading(clock), -1);
  EXPECT_EQ(nextFixedClockReading(clock), -1);
  EXPECT_EQ(clock.frames, 2);
  clock = parseFixedClock("20,40");  // the end itself is drawn
  EXPECT_EQ(nextFixedClockReading(clock), 20);
  EXPECT_EQ(nextFixedClockReading(clock), 40);
  EXPECT_EQ(nextFixedClockReading(clock), -1);
}
