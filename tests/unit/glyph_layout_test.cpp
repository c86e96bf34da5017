#include "text/glyph_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<GlyphQuad> layout(const char* text, short x, short baseline, float size,
                              float slant = 3.0f) {
  std::vector<GlyphQuad> quads;
  layoutGlyphs(text, x, baseline, size, slant, [&](const GlyphQuad& q) { quads.push_back(q); });
  return quads;
}

}  // namespace

TEST(GlyphCells, CodeMinus32SelectsColumnAndRowOfTheGrid) {
  const GlyphCell a = glyphCell('A');  // 65 - 32 = 33
  EXPECT_EQ(a.column, 1);
  EXPECT_EQ(a.row, 2);
  EXPECT_NEAR(a.s0, 0.0725, 1e-12);
  EXPECT_NEAR(a.s1, 0.135, 1e-12);
  EXPECT_NEAR(a.t0, 0.615, 1e-12);
  EXPECT_NEAR(a.t1, 0.74, 1e-12);

  const GlyphCell space = glyphCell(' ');
  EXPECT_EQ(space.column, 0);
  EXPECT_EQ(space.row, 0);
  EXPECT_NEAR(space.s0, 0.01, 1e-12);
  EXPECT_NEAR(space.s1, 0.0725, 1e-12);
  EXPECT_NEAR(space.t0, 0.865, 1e-12);
  EXPECT_NEAR(space.t1, 0.99, 1e-12);

  const GlyphCell last = glyphCell(159);
  EXPECT_EQ(last.column, 15);
  EXPECT_EQ(last.row, 7);
}

// Codes outside 32..159 land in rows 8..15, exactly one texture height below a row of the grid,
// so the repeating texture shows 160..255 like 32..127 and 0..31 like 128..159.
TEST(GlyphCells, CodesOutsideTheGridRepeatItOneTextureHeightLower) {
  const unsigned char pairs[][2] = {{160, 32}, {255, 127}, {0, 128}, {'\n', 138}, {31, 159}};
  for (const auto& pair : pairs) {
    const GlyphCell outside = glyphCell(pair[0]);
    const GlyphCell inside = glyphCell(pair[1]);
    SCOPED_TRACE(static_cast<int>(pair[0]));
    EXPECT_GE(outside.row, 8);
    EXPECT_EQ(outside.row, inside.row + 8);
    EXPECT_EQ(outside.column, inside.column);
    EXPECT_NEAR(outside.t0, inside.t0 - 1.0, 1e-12);
    EXPECT_NEAR(outside.t1, inside.t1 - 1.0, 1e-12);
    EXPECT_LT(outside.t1, 0.0);
  }
}

TEST(GlyphLayout, SlantMovesOnlyTheTopEdge) {
  const auto upright = layout("x", 100, 50, 40, 0.0f);
  const auto leaning = layout("x", 100, 50, 40, 7.5f);
  for (int i = 0; i < 2; ++i) EXPECT_DOUBLE_EQ(leaning[0].corners[i].x, upright[0].corners[i].x);
  for (int i = 2; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(leaning[0].corners[i].x, upright[0].corners[i].x + 7.5);
    EXPECT_DOUBLE_EQ(leaning[0].corners[i].y, 90);
  }
}

TEST(GlyphLayout, EveryByteIsAGlyphAndNothingIsEmpty) {
  EXPECT_TRUE(layout("", 10, 743, 20).empty());
  const auto quads = layout("a \n", 10, 743, 20);
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_NEAR(quads[1].corners[0].s, glyphCell(' ').s0, 1e-12);
  EXPECT_NEAR(quads[2].corners[0].t, glyphCell(138).t0 - 1.0, 1e-12);
}

TEST(GlyphPen, AdvancesNineTenthsOfTheWidthAndDropsTheFraction) {
  // At size 10 the advance is 4.5, cut to 4 at every glyph: ten glyphs move the pen 40, not 45.
  short pen = 0;
  for (int i = 0; i < 10; ++i) pen = nextPenX(pen, 10);
  EXPECT_EQ(pen, 40);

  // Truncation goes towards zero on the left of the window too.
  EXPECT_EQ(nextPenX(-10, 10), -5);
  EXPECT_EQ(nextPenX(-5, 10), 0);
}

TEST(GlyphPen, PositionsAreSixteenBitValues) {
  EXPECT_EQ(glyphBaseline(25, 768), 743);
  EXPECT_EQ(nextPenX(32760, 20), -32767);
  EXPECT_EQ(glyphBaseline(-32000, 1000), static_cast<short>(33000));
  EXPECT_EQ(glyphBaseline(900, 768), -132);  // below the bottom edge
}
