#include "text/text_scale.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "base/frame_clock.h"
#include "frame/title.h"
#include "tests/gl/glyph_feedback.h"
#include "text/text_overlay.h"
#include "window/window.h"

// Each text's first glyph at scales 1.5 and 2 against scale 1: its place (where that is in
// pixels rather than a share of the window), its size and its slant grow with the scale, to the
// nearest pixel.
TEST(TextScale, EveryTextsPlaceSizeAndSlantGrowWithTheScale) {
  struct Glyph {
    float x, fromTop, height, slant;
  };
  struct Text {
    const char* name;
    std::function<void()> draw;
    bool placeInPixels;
  };
  const Text texts[] = {
      {"message line", [] { textOverlay.postMessage("Fog On"); }, true},
      {"frame-rate line", [] { textOverlay.drawFrameRate(60); }, true},
      {"title", [] { drawStartupTitle(); }, false},
  };
  elapsedTime = 4;
  std::vector<Glyph> atOne;
  for (const float scale : {1.0f, 1.5f, 2.0f}) {
    textScale = scale;
    textOverlay.setDefaults();
    for (size_t i = 0; i < std::size(texts); ++i) {
      const auto quads = gltest::drawnQuads(texts[i].draw);
      const auto& v = quads.at(0).vertices;
      // The frame-rate line keeps its distance from the right edge.
      const float x = i == 1 ? windowWidth - v[0].x : v[0].x;
      const Glyph g{x, windowHeight - v[0].y, v[3].y - v[0].y, v[3].x - v[0].x};
      if (scale == 1) {
        atOne.push_back(g);
        continue;
      }
      const Glyph& one = atOne[i];
      if (texts[i].placeInPixels) {
        EXPECT_NEAR(g.x, one.x * scale, 0.5) << texts[i].name << " at " << scale;
        EXPECT_NEAR(g.fromTop, one.fromTop * scale, 0.5) << texts[i].name << " at " << scale;
      }
      EXPECT_FLOAT_EQ(g.height, one.height * scale) << texts[i].name << " at " << scale;
      EXPECT_FLOAT_EQ(g.slant, one.slant * scale) << texts[i].name << " at " << scale;
    }
  }
}
