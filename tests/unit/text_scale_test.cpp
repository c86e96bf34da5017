// The one scale of all text: from the desktop where it says one, else from the screen; and the
// help page at the largest scale up to it that the window holds.

#include "text/text_scale.h"

#include <gtest/gtest.h>

#include "controls/help_screen.h"
#include "text/glyph_layout.h"

TEST(TextScale, TheDesktopsOwnWinsOverTheScreensToTheNearestHalf) {
  const struct {
    const char* gdkScale;
    const char* resources;
    int screenHeight;
    float scale;
  } cases[] = {
      {nullptr, nullptr, 768, 1},
      {nullptr, nullptr, 1080, 1},
      {nullptr, nullptr, 2159, 1},
      {nullptr, nullptr, 2160, 2},
      {nullptr, nullptr, 0, 1},
      {"2", "Xft.dpi:\t96\n", 768, 2},
      {"1.3", nullptr, 2160, 1.5},
      {"0", nullptr, 2160, 2},
      {"x", "Xft.dpi:\t120\n", 768, 1.5},
      {nullptr, "Xft.antialias:\t1\nXft.dpi:\t192\n", 768, 2},
      {nullptr, "Xft.dpi:\t144", 4320, 1.5},
      {nullptr, "Xft.dpi:\t72\n", 768, 1},
      {nullptr, "Xft.dpis:\t192\n", 768, 1},
      {"1000", nullptr, 768, 8},
  };
  for (const auto& c : cases)
    EXPECT_EQ(chooseTextScale(c.gdkScale, c.resources, c.screenHeight), c.scale)
        << (c.gdkScale ? c.gdkScale : "-") << " " << (c.resources ? c.resources : "-") << " "
        << c.screenHeight;
}

TEST(TextScale, TheHelpPageFitsTheWindowAtTheLargestScaleUpToTheTextsButNotBelowHalf) {
  const struct {
    int width, height;
    float textScale, atLeast, atMost;
  } cases[] = {{1024, 768, 1, 1, 1},      {3840, 2160, 2, 2, 2},      {1024, 768, 2, 1.6f, 1.8f},
               {480, 360, 1, 0.7f, 0.8f}, {320, 240, 1, 0.5f, 0.55f}, {160, 120, 1, 0.5f, 0.5f}};
  for (const auto& c : cases) {
    const float scale = helpPageScale(c.width, c.height, c.textScale);
    EXPECT_GE(scale, c.atLeast) << c.width << "x" << c.height;
    EXPECT_LE(scale, c.atMost) << c.width << "x" << c.height;
    if (c.width < 320) continue;  // never below half: the smallest windows cut the page
    for (const HelpLine& line : helpPage(c.height, scale)) {
      EXPECT_LE(line.y, c.height) << line.text;
      EXPECT_LE(textRightEdge(line.text, line.x, line.size, 3 * scale), c.width) << line.text;
    }
  }
}
