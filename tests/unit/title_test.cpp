#include "frame/title.h"

#include <gtest/gtest.h>

TEST(Title, GlidesAnEighthOfTheWindowPerSecondFromTheTopLeft) {
  const TitlePosition start = titlePosition(0, 1024, 768);
  EXPECT_EQ(start.x, 0);
  EXPECT_EQ(start.y, 0);
  EXPECT_EQ(titlePosition(4, 1024, 768).x, 512);
  EXPECT_EQ(titlePosition(4, 512, 512).x, 256);
  // Its left edge reaches the right edge at 8 s, two seconds before it stops being drawn.
  EXPECT_EQ(titlePosition(8, 1024, 768).x, 1024);
}

TEST(Title, BobsByATenthOfTheHeightAroundItsGlide) {
  const float crest = 3.1415927f / 5;  // sin(2.5 t) = 1
  EXPECT_EQ(titlePosition(crest, 1024, 768).y, 137);
  EXPECT_EQ(titlePosition(3 * crest, 1024, 768).y, 104);  // the next trough
}
