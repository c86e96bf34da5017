#include "controls/help_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/parameters.h"
#include "controls/keyboard.h"
#include "controls/menu.h"
#include "tests/gl/glyph_feedback.h"
#include "text/text_overlay.h"

namespace {

// Each line's bottom edge from the window's top, and its left edge. Glyphs cut by the window's
// right edge come back as polygons of their own, so lines are told apart by height.
void expectPageAt(int height, int top) {
  textOverlay.postMessage("Fog On");
  const auto quads = gltest::drawnQuads(drawHelpScreen);
  std::vector<float> fromTop, left;
  for (const auto& quad : quads) {
    float bottom = 0;
    for (const auto& v : quad.vertices) bottom = std::max(bottom, height - v.y);
    if (fromTop.empty() || bottom != fromTop.back()) {
      fromTop.push_back(bottom);
      left.push_back(quad.vertices[0].x);
    }
  }
  ASSERT_EQ(fromTop.size(), static_cast<size_t>(helpLineCount));
  EXPECT_EQ(gltest::textOf({quads.begin(), quads.begin() + 8}), "Gyrotrak");
  EXPECT_FLOAT_EQ(quads[0].vertices[3].y - quads[0].vertices[0].y, 30);
  const struct {
    int line;
    float y, x;
  } expected[] = {{0, 0, 20}, {1, 22, 30}, {5, 86, 30}, {6, 106, 30}, {25, 410, 30}};
  for (const auto& e : expected) {
    EXPECT_FLOAT_EQ(fromTop[e.line], top + e.y) << e.line;
    EXPECT_FLOAT_EQ(left[e.line], e.x) << e.line;
  }
  EXPECT_STREQ(textOverlay.messageText, "Fog On");  // the page never becomes the message line
}

}  // namespace

TEST(HelpScreen, LinesStandFromNinePercentOfTheHeightDown) {
  expectPageAt(768, 69);
  gltest::resizeWindow(512, 512);
  expectPageAt(512, 46);
}

// Hiding the page by key in full-blanking mode wipes it at once; otherwise, and always from the
// menu, the picture stays until the frames blank it.
TEST(HelpScreen, HidingByKeyClearsOnlyInFullBlankingMode) {
  resetParameters(params);
  const auto whiteAfter = [](void (*hide)()) {
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 1);
    helpShown = 1;
    hide();
    EXPECT_EQ(helpShown, 0);
    return gltest::readPixel(500, 400)[0] == 255;
  };
  const auto byKey = [] { keyboardCallback('?', 0, 0); };
  const auto byMenu = [] { menuCallback(7); };
  EXPECT_TRUE(whiteAfter(byKey));
  EXPECT_TRUE(whiteAfter(byMenu));
  params.fullBlanking = 1;
  EXPECT_FALSE(whiteAfter(byKey));
  EXPECT_TRUE(whiteAfter(byMenu));
}
